#include "tools/models/FighterTexture.h"

#include "tools/common/Noise.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {
// Atlas layout in pixels (columns from the left, rows from the top of the picture).
struct Region {
    int left, top, width, height;
    double uMin, uMax;  // ship coordinate along the columns
    double vMax, vMin;  // ship coordinate along the rows, top row first
};
// Top: x across, z down the picture (nose at the top). Bottom likewise. Side: z across
// (nose left), y down. Back and front: x across, y down.
constexpr Region topRegion{0, 0, 1024, 512, -0.85, 0.85, 0.80, -0.80};
constexpr Region bottomRegion{0, 512, 512, 256, -0.85, 0.85, 0.80, -0.80};
constexpr Region sideRegion{512, 512, 512, 256, 0.80, -0.80, 0.36, -0.20};
constexpr Region backRegion{0, 768, 512, 256, -0.85, 0.85, 0.36, -0.20};
constexpr Region frontRegion{512, 768, 512, 256, -0.85, 0.85, 0.36, -0.20};
// Behind the ship's tail the side view is empty; the nozzle's inside wall lives there.
constexpr int nozzleColumn = 1008, nozzleTop = 524, nozzleBottom = 756, nozzleHalfWidth = 10;

const Region& regionOf(FighterTexture::View view)
{
    switch (view) {
    case FighterTexture::View::Top: return topRegion;
    case FighterTexture::View::Bottom: return bottomRegion;
    case FighterTexture::View::Side: return sideRegion;
    case FighterTexture::View::Back: return backRegion;
    case FighterTexture::View::Front:
    default: return frontRegion;
    }
}

std::pair<double, double> viewPlane(FighterTexture::View view, const Vec3& p)
{
    switch (view) {
    case FighterTexture::View::Top:
    case FighterTexture::View::Bottom: return {p.x, p.z};
    case FighterTexture::View::Side: return {p.z, p.y};
    default: return {p.x, p.y};
    }
}

// Colours of the paint scheme.
const Rgb hull{0.80f, 0.81f, 0.83f};
const Rgb hullDark{0.60f, 0.62f, 0.66f};
const Rgb gunmetal{0.24f, 0.25f, 0.28f};
const Rgb blackened{0.10f, 0.10f, 0.11f};
const Rgb accent{0.92f, 0.40f, 0.08f};
const Rgb accentDeep{0.62f, 0.16f, 0.06f};
const Rgb glowHot{1.0f, 0.92f, 0.62f};
const Rgb glowWarm{1.0f, 0.50f, 0.12f};

double smooth(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// 1 on a line of `width` around `distance` = 0, anti-aliased over one pixel of size `pixel`.
double line(double distance, double width, double pixel)
{
    return 1.0 - smooth(width * 0.5, width * 0.5 + pixel, std::abs(distance));
}

// Distance to the nearest multiple of `spacing` (shifted by `offset`).
double gridDistance(double value, double spacing, double offset = 0.0)
{
    const double t = (value - offset) / spacing;
    return (t - std::round(t)) * spacing;
}

double fuselageHalfWidth(double z)
{
    // Matches the loft's stations closely enough for paint.
    if (z > 0.745) return 0.0;
    if (z > 0.30) return 0.12 * std::pow((0.745 - z) / 0.445, 0.75);
    if (z > -0.08) return 0.12 + 0.038 * (0.30 - z) / 0.38;
    return 0.158 - 0.02 * (-0.08 - z) / 0.39;
}

struct Planform {
    bool inside;
    double span;      // 0 at the root, 1 at the tip
    double chord;     // 0 at the leading edge, 1 at the trailing edge
};

Planform wingAt(double x, double z)
{
    const double ax = std::abs(x);
    const double f = (ax - 0.10) / 0.70;
    if (f < 0.0 || f > 1.0) return {false, f, 0.0};
    const double leading = 0.22 + (-0.23 - 0.22) * f, trailing = -0.46 + (-0.62 + 0.46) * f;
    const double c = (leading - z) / (leading - trailing);
    return {c >= 0.0 && c <= 1.0, f, c};
}

class Painter {
public:
    Painter() : noise_(404), grime_(405) {}

    Rgb top(double x, double z, double pixel) const
    {
        const double ax = std::abs(x);
        // Gun pods ahead of the wing.
        if (std::abs(ax - 0.25) < 0.04 && z > -0.06 && z < 0.71 && !(wingAt(x, z).inside && z < 0.12))
            return gunPod(ax - 0.25, z, pixel);
        const double half = fuselageHalfWidth(z);
        if (ax <= half + 0.004) return fuselageTop(x, z, half, pixel);
        const Planform w = wingAt(x, z);
        if (w.inside) return wingTop(x, z, w, pixel);
        return weather(hull, x, z) * 0.9f;
    }

    Rgb bottom(double x, double z, double pixel) const
    {
        const double ax = std::abs(x);
        if (std::abs(ax - 0.25) < 0.04 && z > -0.06 && z < 0.71) return gunPod(ax - 0.25, z, pixel);
        Rgb c = weather(hullDark, x, z);
        const double half = fuselageHalfWidth(z);
        c = panelled(c, x, z, 0.15, 0.11, pixel);
        if (ax <= half) {
            // A dark keel strip and hatch outlines under the fuselage.
            if (ax < 0.035) c = mix(c, gunmetal, 0.7f);
            if (std::abs(z - 0.15) < 0.06 && ax < 0.08) c = mix(c, c * 0.6f, static_cast<float>(line(ax - 0.08, 0.004, pixel)));
        } else {
            const Planform w = wingAt(x, z);
            if (w.inside && w.span > 0.82) c = mix(c, accent, 0.85f);
        }
        return c;
    }

    Rgb side(double z, double y, double pixel) const
    {
        Rgb c = weather(hull, z, y);
        c = panelled(c, z, y, 0.13, 0.07, pixel);
        // Darker belly line and an accent stripe along the fuselage flank.
        if (y < -0.02) c = mix(c, hullDark, 0.8f);
        const double stripe = y - (0.035 + 0.03 * (z - 0.3));
        if (z > -0.42 && z < 0.62) {
            c = mix(c, accent, static_cast<float>(line(stripe, 0.014, pixel)));
            c = mix(c, accentDeep, static_cast<float>(line(stripe + 0.013, 0.004, pixel)));
        }
        // Above the fuselage only the fins face sideways: orange tips, a dark leading edge.
        if (y > 0.115 && z < -0.14) {
            const double leading = -0.16 - (y - 0.085) * (0.20 / 0.215);  // the fin's swept front edge
            if (y > 0.245) c = mix(c, accent, 0.9f);
            c = mix(c, accentDeep, static_cast<float>(line(y - 0.238, 0.006, pixel)));
            if (z > leading - 0.025) c = mix(c, gunmetal, 0.8f);
            return c;
        }
        // Canopy sill and the engine section in gunmetal.
        if (z < -0.45) c = mix(c, gunmetal, 0.85f);
        if (y > 0.07 && z > 0.04 && z < 0.46) c = mix(c, gunmetal, 0.8f);
        // Intake mouths and the gun pods seen from the side keep the hull colour.
        return c;
    }

    Rgb back(double x, double y, double pixel) const
    {
        const double r = std::sqrt(x * x + y * y);
        if (r < 0.079) {
            // Nozzle floor: hot centre, turbine vanes.
            const double angle = std::atan2(y, x);
            const double vanes = 0.5 + 0.5 * std::cos(angle * 18.0 + r * 40.0);
            Rgb c = mix(glowHot, glowWarm, static_cast<float>(smooth(0.0, 0.075, r)));
            c = mix(c, c * 0.55f, static_cast<float>(smooth(0.02, 0.07, r) * vanes * 0.6));
            return c;
        }
        if (r < 0.105) {
            // Lip: dark metal with a bright inner edge.
            Rgb c = gunmetal;
            c = mix(c, Rgb{0.55f, 0.55f, 0.58f}, static_cast<float>(line(r - 0.087, 0.004, pixel)));
            return c;
        }
        if (r < 0.118) return blackened;
        Rgb c = weather(gunmetal * 1.6f, x, y);
        // Hazard chevrons on the rear plate.
        const double diagonal = gridDistance(x + y, 0.04);
        if (r < 0.16 && y < 0.0) c = mix(c, std::abs(diagonal) < 0.01 ? Rgb{0.9f, 0.75f, 0.1f} : Rgb{0.12f, 0.12f, 0.12f}, 0.8f);
        if (std::abs(std::abs(x) - 0.25) < 0.04 && std::abs(y) < 0.04) c = gunmetal;
        return c;
    }

    Rgb front(double x, double y, double pixel) const
    {
        const double ax = std::abs(x);
        // Muzzles: dark bores in the brakes.
        const double dm = std::sqrt((ax - 0.25) * (ax - 0.25) + y * y);
        if (dm < 0.045) return dm < 0.010 ? blackened : mix(gunmetal, Rgb{0.5f, 0.5f, 0.52f}, static_cast<float>(line(dm - 0.018, 0.003, pixel)));
        // Intake mouths.
        if (std::abs(ax - 0.148) < 0.038 && std::abs(y + 0.005) < 0.048) return blackened;
        Rgb c = weather(hull, x, y);
        if (ax > 0.3) c = mix(c, accent, 0.6f);  // leading edges near the tips
        return c;
    }

    // The inside wall of the nozzle, by depth from the lip (0) to the floor (1).
    Rgb nozzleWall(double depth) const { return mix(gunmetal * 0.8f, glowWarm * 0.9f, static_cast<float>(smooth(0.2, 1.0, depth))); }

private:
    Rgb weather(Rgb c, double a, double b) const
    {
        const double n = noise_.fbm(Vec3(a * 9.0, b * 9.0, 0.5), 4);
        const double fine = grime_.fbm(Vec3(a * 60.0, b * 60.0, 1.5), 2);
        return c * static_cast<float>(1.0 + 0.05 * n + 0.025 * fine);
    }

    // Panels: rows of plates of uneven length (the seams of neighbouring rows do not line
    // up), each a shade lighter or darker, with fine seams and a few rivet lines.
    Rgb panelled(Rgb c, double a, double b, double spacingA, double spacingB, double pixel) const
    {
        const double row = std::floor(b / spacingB);
        const double rowHash = std::sin(row * 91.7) * 43758.5453;
        const double offset = (rowHash - std::floor(rowHash)) * spacingA;
        const double stretch = 1.0 + 0.6 * std::abs(std::sin(row * 12.3));
        const double column = std::floor((a + offset) / (spacingA * stretch));
        const double shadeHash = std::sin(row * 12.9898 + column * 78.233) * 43758.5453;
        c = c * static_cast<float>(1.0 + 0.05 * (shadeHash - std::floor(shadeHash) - 0.5));
        const double da = gridDistance(a + offset, spacingA * stretch), db = gridDistance(b, spacingB);
        const double seam = std::max(line(da, 0.0025, pixel), line(db, 0.0025, pixel));
        c = mix(c, c * 0.62f, static_cast<float>(seam * 0.7));
        // Rivets only along every other row seam.
        if (static_cast<long>(row) % 2 == 0) {
            const double rivet = line(std::hypot(db - 0.006, gridDistance(a, 0.016)), 0.003, pixel);
            c = mix(c, c * 0.75f, static_cast<float>(rivet * 0.35));
        }
        return c;
    }

    Rgb fuselageTop(double x, double z, double half, double pixel) const
    {
        const double ax = std::abs(x);
        Rgb c = panelled(weather(hull, x, z), x, z, 0.09, 0.11, pixel);
        // Dark frame where the canopy sits, and an anti-glare panel ahead of it.
        const double ce = std::hypot(x / 0.085, (z - 0.25) / 0.215);
        if (ce < 1.0) c = gunmetal;
        else c = mix(c, gunmetal * 1.4f, static_cast<float>(line(ce - 1.04, 0.03, pixel * 6)));
        if (z > 0.45 && z < 0.62 && ax < 0.055 * (0.62 - z) / 0.17 + 0.01) c = mix(c, gunmetal, 0.85f);
        // Twin stripes over the nose.
        if (z > 0.46) {
            for (double off : {0.028, 0.040})
                c = mix(c, accent, static_cast<float>(line(ax - off * (0.745 - z) / 0.28, 0.006, pixel)));
        }
        // Spine with vents behind the canopy.
        if (z < 0.03 && z > -0.47) {
            if (ax < 0.032) c = mix(c, gunmetal * 1.3f, 0.85f);
            const double slot = gridDistance(z, 0.03, 0.01);
            if (ax < 0.022 && z < -0.05 && z > -0.35) c = mix(c, blackened, static_cast<float>(line(slot, 0.008, pixel)));
            c = mix(c, c * 0.5f, static_cast<float>(line(ax - 0.032, 0.003, pixel)));
        }
        // Engine bay panel.
        if (z < -0.36) c = mix(c, gunmetal * 1.5f, 0.6f);
        (void)half;
        return c;
    }

    Rgb wingTop(double x, double z, const Planform& w, double pixel) const
    {
        Rgb c = panelled(weather(hull, x, z), x, z, 0.16, 0.11, pixel);
        // Flap line near the trailing edge, dark leading edge, orange tips with a stripe.
        c = mix(c, c * 0.5f, static_cast<float>(line((w.chord - 0.78) * 0.5, 0.003, pixel)));
        if (w.chord < 0.06) c = mix(c, hullDark, 0.8f);
        if (w.span > 0.84) c = mix(c, accent, 0.9f);
        if (w.span > 0.955) c = mix(c, gunmetal, 0.9f);
        c = mix(c, accentDeep, static_cast<float>(line((w.span - 0.80) * 0.7, 0.010, pixel)));
        c = mix(c, accent, static_cast<float>(line((w.span - 0.76) * 0.7, 0.006, pixel)));
        // Roundel on both wings.
        const double d = std::hypot(std::abs(x) - 0.50, z + 0.28);
        if (d < 0.07) {
            c = d < 0.032 ? accent : (d < 0.045 ? hull : (d < 0.062 ? gunmetal : c));
        }
        // Walkway lines along the wing root.
        if (w.span < 0.12) c = mix(c, gunmetal, static_cast<float>(line(w.span - 0.1, 0.004, pixel) * 0.7));
        return c;
    }

    Rgb gunPod(double dx, double z, double pixel) const
    {
        Rgb c = gunmetal * 1.3f;
        c = c * static_cast<float>(1.0 + 0.25 * (1.0 - std::min(1.0, std::abs(dx) / 0.04)));
        if (z > 0.47) c = gunmetal;
        const double band = gridDistance(z, 0.05, 0.02);
        if (z < 0.45 && z > 0.0) c = mix(c, c * 0.6f, static_cast<float>(line(band, 0.004, pixel)));
        if (z > 0.30 && z < 0.34) c = mix(c, accent, 0.8f);
        return c;
    }

    Noise noise_, grime_;
};
}  // namespace

std::pair<float, float> FighterTexture::atlasCoordinate(View view, const Vec3& p)
{
    const Region& r = regionOf(view);
    const auto [a, b] = viewPlane(view, p);
    const double column = r.left + (a - r.uMin) / (r.uMax - r.uMin) * r.width;
    const double row = r.top + (r.vMax - b) / (r.vMax - r.vMin) * r.height;
    return {static_cast<float>(column / size), static_cast<float>(1.0 - row / size)};
}

std::pair<float, float> FighterTexture::nozzleWallCoordinate(double depth)
{
    const double row = nozzleTop + std::clamp(depth, 0.0, 1.0) * (nozzleBottom - nozzleTop);
    return {static_cast<float>((nozzleColumn + 0.5) / size), static_cast<float>(1.0 - row / size)};
}

Image FighterTexture::paint()
{
    Image image(size, size);
    const Painter painter;
    for (View view : {View::Top, View::Bottom, View::Side, View::Back, View::Front}) {
        const Region& r = regionOf(view);
        const double pixel = std::abs(r.uMax - r.uMin) / r.width;
        for (int row = r.top; row < r.top + r.height; ++row) {
            for (int column = r.left; column < r.left + r.width; ++column) {
                const double a = r.uMin + (column + 0.5 - r.left) / r.width * (r.uMax - r.uMin);
                const double b = r.vMax - (row + 0.5 - r.top) / r.height * (r.vMax - r.vMin);
                Rgb c;
                switch (view) {
                case View::Top: c = painter.top(a, b, pixel); break;
                case View::Bottom: c = painter.bottom(a, b, pixel); break;
                case View::Side: c = painter.side(a, b, pixel); break;
                case View::Back: c = painter.back(a, b, pixel); break;
                case View::Front: c = painter.front(a, b, pixel); break;
                }
                image.at(column, row) = c;
            }
        }
    }
    for (int row = nozzleTop - 4; row < nozzleBottom + 4; ++row)
        for (int column = nozzleColumn - nozzleHalfWidth; column <= nozzleColumn + nozzleHalfWidth; ++column)
            image.at(column, row) = painter.nozzleWall(static_cast<double>(row - nozzleTop) / (nozzleBottom - nozzleTop));
    return image;
}

}  // namespace assets
