#include "tools/models/SkyBox.h"

#include "tools/common/MeshBuilder.h"
#include "tools/common/Noise.h"
#include "tools/common/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace assets {

namespace {
struct FaceFrame {
    const char* name;
    Vec3 normal, right, up;
};
// A face point is normal + s * right + t * up with s, t in [-1, 1]; t = +1 is the picture's top.
const FaceFrame frames[6] = {
    {"sky_right.bmp", {1, 0, 0}, {0, 0, -1}, {0, 1, 0}},  {"sky_left.bmp", {-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    {"sky_top.bmp", {0, 1, 0}, {1, 0, 0}, {0, 0, -1}},    {"sky_bottom.bmp", {0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    {"sky_front.bmp", {0, 0, 1}, {-1, 0, 0}, {0, 1, 0}},  {"sky_back.bmp", {0, 0, -1}, {1, 0, 0}, {0, 1, 0}},
};

// Edge-inclusive sampling: texel i of n sits at s = -1 + 2 i / (n - 1).
double coordinateOf(int i, int n) { return -1.0 + 2.0 * i / (n - 1); }

Vec3 directionOf(const FaceFrame& f, double s, double t) { return (f.normal + f.right * s + f.up * t).normalized(); }

const Vec3 sunDirection(0, 0, 1);

struct Nebula {
    Vec3 centre;
    double spread;  // angular size, radians
    Rgb colour;
    double strength;
};

class SkyPainter {
public:
    SkyPainter() : noise_(901), warp_(902), dust_(903)
    {
        // The galaxy's plane, tilted so it crosses several faces diagonally.
        galaxyNormal_ = Vec3(0.35, 0.85, -0.4).normalized();
        nebulae_ = {
            {Vec3(-0.6, 0.25, -0.75).normalized(), 0.60, Rgb{0.50f, 0.16f, 0.42f}, 0.75},
            {Vec3(-0.9, -0.2, -0.3).normalized(), 0.50, Rgb{0.16f, 0.24f, 0.55f}, 0.70},
            {Vec3(0.7, -0.55, -0.45).normalized(), 0.55, Rgb{0.10f, 0.36f, 0.40f}, 0.55},
            {Vec3(0.3, 0.8, 0.5).normalized(), 0.40, Rgb{0.50f, 0.26f, 0.14f}, 0.35},
        };
    }

    // The smooth part of the sky: nebulae and the galaxy's glow.
    Rgb diffuse(const Vec3& d) const
    {
        Rgb c{0.004f, 0.004f, 0.010f};
        const Vec3 w(warp_.fbm(d * 1.7, 3), warp_.fbm(d * 1.7 + Vec3(5.2, 1.3, 2.8), 3), warp_.fbm(d * 1.7 + Vec3(1.7, 9.2, 4.4), 3));
        const Vec3 q = d * 2.4 + w * 1.2;
        const double cloud = 0.5 + 0.5 * noise_.fbm(q, 6, 0.55);
        const double filaments = noise_.ridged(q * 1.6 + Vec3(3, 3, 3), 5, 0.5);
        for (const Nebula& n : nebulae_) {
            const double angle = std::acos(std::clamp(d.dot(n.centre), -1.0, 1.0));
            const double mask = std::exp(-(angle * angle) / (n.spread * n.spread));
            if (mask < 1e-3) continue;
            const double t = std::clamp((cloud - 0.38) / 0.34, 0.0, 1.0);
            double density = t * t * (3.0 - 2.0 * t);
            density = density * (0.45 + 0.55 * filaments * filaments);
            // Hotter, paler cores inside each cloud.
            const Rgb tint = mix(n.colour, Rgb{0.75f, 0.65f, 0.80f}, static_cast<float>(0.35 * density * density));
            c = c + tint * static_cast<float>(n.strength * mask * density * 0.95);
        }
        // Galaxy band: a soft glow with dark dust lanes along it.
        const double height = d.dot(galaxyNormal_);
        const double band = std::exp(-height * height / 0.028);
        if (band > 1e-3) {
            const double lanes = dust_.ridged(d * 5.0, 4);
            const double clumps = 0.5 + 0.5 * dust_.fbm(d * 9.0 + Vec3(7, 7, 7), 4);
            double glow = band * (0.09 + 0.14 * clumps) * (1.0 - 0.75 * std::pow(lanes, 3.0) * std::exp(-height * height / 0.006));
            c = c + Rgb{0.95f, 0.88f, 0.80f} * static_cast<float>(glow);
        }
        return c;
    }

    // The sun: a white-hot disc in a warm glow.
    Rgb sun(const Vec3& d) const
    {
        const double angle = std::acos(std::clamp(d.dot(sunDirection), -1.0, 1.0));
        const double core = 1.0 - std::clamp((angle - 0.010) / 0.004, 0.0, 1.0);
        const double halo = 0.55 * std::exp(-angle / 0.03) + 0.20 * std::exp(-angle / 0.12) + 0.05 * std::exp(-angle / 0.45);
        return Rgb{1.0f, 0.97f, 0.92f} * static_cast<float>(core) + Rgb{1.0f, 0.82f, 0.55f} * static_cast<float>(halo);
    }

    double galaxyCloseness(const Vec3& d) const
    {
        const double h = d.dot(galaxyNormal_);
        return std::exp(-h * h / 0.05);
    }

private:
    Noise noise_, warp_, dust_;
    Vec3 galaxyNormal_;
    std::vector<Nebula> nebulae_;
};

struct Star {
    Vec3 direction;
    double brightness;
    double sigma;  // angular radius, radians
    Rgb colour;
};

std::vector<Star> makeStars(const SkyPainter& painter)
{
    Random random(777);
    std::vector<Star> stars;
    const Rgb temperatures[] = {{0.70f, 0.80f, 1.00f}, {0.85f, 0.90f, 1.00f}, {1.00f, 1.00f, 1.00f},
                                {1.00f, 0.93f, 0.80f}, {1.00f, 0.80f, 0.60f}};
    const double texel = (std::numbers::pi / 2.0) / SkyBox::faceSize;
    while (stars.size() < 32000) {
        Vec3 d(random.gaussian(), random.gaussian(), random.gaussian());
        d = d.normalized();
        // Crowd the faint stars towards the galaxy's plane.
        const double keep = 0.35 + 0.65 * painter.galaxyCloseness(d);
        const double u = random.uniform();
        if (random.uniform() > keep && u < 0.985) continue;
        const double brightness = 0.10 + 0.90 * std::pow(u, 12.0);
        const double sigma = texel * (0.45 + 1.3 * std::pow(brightness, 1.5));
        const int t = std::min(4, static_cast<int>(std::pow(random.uniform(), 0.7) * 5.0));
        stars.push_back({d, brightness * random.uniform(0.7, 1.0), sigma, temperatures[t]});
    }
    return stars;
}

void splatStar(Image& picture, const FaceFrame& f, const Star& star)
{
    const double along = star.direction.dot(f.normal);
    if (along < 0.3) return;
    const double s = star.direction.dot(f.right) / along, t = star.direction.dot(f.up) / along;
    if (std::abs(s) > 1.05 || std::abs(t) > 1.05) return;
    const int n = picture.width();
    const double column = (s + 1.0) / 2.0 * (n - 1), row = (1.0 - t) / 2.0 * (n - 1);
    // Bright stars get a faint halo besides the core.
    const double halo = star.brightness > 0.5 ? 5.0 : 0.0;
    const int reach = static_cast<int>(std::ceil(star.sigma / ((std::numbers::pi / 2.0) / n) * 3.5 + halo * 2.0)) + 1;
    for (int y = static_cast<int>(row) - reach; y <= static_cast<int>(row) + reach; ++y) {
        if (y < 0 || y >= n) continue;
        for (int x = static_cast<int>(column) - reach; x <= static_cast<int>(column) + reach; ++x) {
            if (x < 0 || x >= n) continue;
            const Vec3 d = directionOf(f, coordinateOf(x, n), -coordinateOf(y, n));
            // Squared angle from the chord length: exact enough for the few texels a star covers.
            const double angle2 = (d - star.direction).dot(d - star.direction);
            double v = star.brightness * std::exp(-angle2 / (star.sigma * star.sigma));
            if (halo > 0.0) v += 0.06 * star.brightness * std::exp(-std::sqrt(angle2) / (star.sigma * halo * 0.5));
            if (v < 1e-4) continue;
            picture.at(x, y) = picture.at(x, y) + star.colour * static_cast<float>(v);
        }
    }
}
}  // namespace

std::array<SkyBox::Face, 6> SkyBox::paint()
{
    const SkyPainter painter;
    const std::vector<Star> stars = makeStars(painter);
    constexpr int coarse = 320;  // the smooth sky is painted coarsely, then enlarged
    std::array<Face, 6> faces;
    for (int i = 0; i < 6; ++i) {
        const FaceFrame& f = frames[i];
        Image low(coarse, coarse);
        for (int y = 0; y < coarse; ++y)
            for (int x = 0; x < coarse; ++x)
                low.at(x, y) = painter.diffuse(directionOf(f, coordinateOf(x, coarse), -coordinateOf(y, coarse)));
        Image picture(faceSize, faceSize);
        Random dither(1000 + i);
        for (int y = 0; y < faceSize; ++y) {
            for (int x = 0; x < faceSize; ++x) {
                // Edge-inclusive enlargement: the outermost texels keep the edge's value.
                const double lx = static_cast<double>(x) * (coarse - 1) / (faceSize - 1);
                const double ly = static_cast<double>(y) * (coarse - 1) / (faceSize - 1);
                Rgb c = low.sampleClamped(lx + 0.5, ly + 0.5);
                const Vec3 d = directionOf(f, coordinateOf(x, faceSize), -coordinateOf(y, faceSize));
                if (d.dot(sunDirection) > 0.5) c = c + painter.sun(d);
                // Half a grey level of noise keeps the faint gradients from banding.
                const float n = static_cast<float>((dither.uniform() - 0.5) / 255.0);
                picture.at(x, y) = c + Rgb{n, n, n};
            }
        }
        for (const Star& star : stars) splatStar(picture, f, star);
        faces[i] = {f.name, std::move(picture)};
    }
    return faces;
}

Mesh SkyBox::make(const std::array<Face, 6>& faces)
{
    MeshBuilder b;
    const double inset = 0.5 / faceSize;
    for (int i = 0; i < 6; ++i) {
        const FaceFrame& f = frames[i];
        b.useGroup(faces[i].texture);
        b.newPart();
        auto corner = [&](double s, double t) { return (f.normal + f.right * s + f.up * t) * halfSize; };
        const Vec3 p00 = corner(-1, -1), p10 = corner(1, -1), p11 = corner(1, 1), p01 = corner(-1, 1);
        // Seen from inside: the faces look towards the centre.
        if (f.right.cross(f.up).dot(f.normal) > 0) {
            b.triangle(p00, p11, p10);
            b.triangle(p00, p01, p11);
        } else {
            b.triangle(p00, p10, p11);
            b.triangle(p00, p11, p01);
        }
        const int part = b.part();
        b.mapTexture(part, [&](MeshBuilder::Triangle& t) {
            for (auto& c : t.corners) {
                const Vec3 q = c.position / halfSize;
                const double s = q.dot(f.right), tt = q.dot(f.up);
                c.u = static_cast<float>(inset + (s + 1.0) / 2.0 * (1.0 - 2.0 * inset));
                c.v = static_cast<float>(inset + (tt + 1.0) / 2.0 * (1.0 - 2.0 * inset));
            }
        });
    }
    return b.build(0.0);
}

}  // namespace assets
