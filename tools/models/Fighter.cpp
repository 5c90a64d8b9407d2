#include "tools/models/Fighter.h"

#include "tools/common/MeshBuilder.h"
#include "tools/models/FighterTexture.h"
#include "tools/models/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace assets {

namespace {
constexpr double fileUnitsPerShipUnit = 0.1;  // the game scales the model by 10
constexpr int hullRingPoints = 32;

struct Station {
    double z, halfWidth, up, down;
};

// Fuselage sections from the nose to the engine.
const Station fuselage[] = {
    {0.745, 0.004, 0.003, 0.003}, {0.72, 0.022, 0.016, 0.014}, {0.66, 0.045, 0.034, 0.028},
    {0.56, 0.072, 0.056, 0.043},  {0.44, 0.097, 0.075, 0.056}, {0.30, 0.120, 0.090, 0.065},
    {0.12, 0.145, 0.100, 0.073},  {-0.08, 0.158, 0.106, 0.078}, {-0.28, 0.155, 0.104, 0.080},
    {-0.40, 0.146, 0.100, 0.083}, {-0.47, 0.138, 0.097, 0.088},
};
constexpr double fuselageExponent = 2.6;
constexpr double engineRadius = 0.112;
constexpr double engineEnd = -0.565;
constexpr double nozzleInner = 0.084;
constexpr double nozzleFloor = -0.50;

// Airfoil section at spanwise station x: leading edge z, trailing edge z, centre height y,
// thickness t. Points run leading edge, upper surface, trailing edge, lower surface.
Shapes::Ring airfoil(double x, double leading, double trailing, double y, double t)
{
    static const double stations[] = {0.0, 0.03, 0.12, 0.3, 0.6, 1.0};
    auto thickness = [](double s) { return 1.05 * std::sqrt(s) * std::pow(1.0 - s, 0.9); };
    Shapes::Ring ring;
    for (double s : stations) ring.push_back(Vec3(x, y + 0.5 * t * thickness(s), leading + (trailing - leading) * s));
    for (int i = 4; i >= 1; --i) {
        const double s = stations[i];
        ring.push_back(Vec3(x, y - 0.32 * t * thickness(s), leading + (trailing - leading) * s));
    }
    return ring;
}

// Wing planform (one side, x > 0); mirrored for the other.
struct WingStation {
    double x, leading, trailing, y, thickness;
};
const WingStation wingRoot{0.10, 0.22, -0.46, 0.050, 0.042};
const WingStation wingTip{0.80, -0.23, -0.62, 0.252, 0.017};

WingStation wingAt(double x)
{
    const double f = (x - wingRoot.x) / (wingTip.x - wingRoot.x);
    auto at = [f](double a, double b) { return a + (b - a) * f; };
    return {x, at(wingRoot.leading, wingTip.leading), at(wingRoot.trailing, wingTip.trailing), at(wingRoot.y, wingTip.y),
            at(wingRoot.thickness, wingTip.thickness)};
}

// Height of the wing's lower surface at span x and chord position z.
double wingUnderside(double x, double z)
{
    const WingStation w = wingAt(x);
    const double s = std::clamp((z - w.leading) / (w.trailing - w.leading), 0.0, 1.0);
    return w.y - 0.32 * w.thickness * 1.05 * std::sqrt(s) * std::pow(1.0 - s, 0.9);
}

Vec3 mirror(const Vec3& p, double side) { return Vec3(p.x * side, p.y, p.z); }

std::vector<Vec3> mirrored(const std::vector<Vec3>& points, double side)
{
    std::vector<Vec3> out;
    for (const Vec3& p : points) out.push_back(mirror(p, side));
    if (side < 0.0) std::reverse(out.begin(), out.end());  // keep the winding
    return out;
}

int nozzleWallPart = -1;

void buildFuselage(MeshBuilder& b)
{
    b.newPart();
    std::vector<Shapes::Ring> rings;
    for (const Station& s : fuselage)
        rings.push_back(Shapes::superellipse(hullRingPoints, s.z, s.halfWidth, s.up, s.down, fuselageExponent));
    Shapes::loft(b, rings, true, false);

    // Engine: the hull's rear face closes onto a round shroud, whose lip leads into the
    // nozzle; the nozzle floor is where the exhaust leaves.
    b.newPart();
    const Station& last = fuselage[std::size(fuselage) - 1];
    const Shapes::Ring shroudStart = Shapes::circle(hullRingPoints, last.z, engineRadius);
    Shapes::annulus(b, rings.back(), shroudStart, Vec3(0, 0, -1));
    b.newPart();
    const Shapes::Ring shroudEnd = Shapes::circle(hullRingPoints, engineEnd, engineRadius * 0.94);
    Shapes::loft(b, {shroudStart, Shapes::circle(hullRingPoints, -0.51, engineRadius), shroudEnd}, false, false);
    b.newPart();
    const Shapes::Ring lipInner = Shapes::circle(hullRingPoints, engineEnd, nozzleInner);
    Shapes::annulus(b, shroudEnd, lipInner, Vec3(0, 0, -1));
    nozzleWallPart = b.newPart();
    const Shapes::Ring floor = Shapes::circle(hullRingPoints, nozzleFloor, nozzleInner * 0.93);
    Shapes::loft(b, {lipInner, floor}, false, false, true);
    b.newPart();
    Shapes::cap(b, floor, Vec3(0, 0, -1));
}

void buildWings(MeshBuilder& b)
{
    for (double side : {1.0, -1.0}) {
        b.newPart();
        std::vector<Shapes::Ring> rings;
        for (double x : {wingRoot.x, 0.45, wingTip.x}) {
            const WingStation w = wingAt(x);
            rings.push_back(mirrored(airfoil(x, w.leading, w.trailing, w.y, w.thickness), side));
        }
        Shapes::loft(b, rings, true, true);
    }
}

void buildGuns(MeshBuilder& b)
{
    for (double side : {1.0, -1.0}) {
        const double x = 0.25 * side;
        b.newPart();
        // Pod, barrel and muzzle brake in one profile of (z, radius).
        const double profile[][2] = {{-0.06, 0.004}, {-0.03, 0.024}, {0.02, 0.034}, {0.34, 0.037}, {0.43, 0.031},
                                     {0.47, 0.017}, {0.475, 0.013}, {0.63, 0.013}, {0.635, 0.02},  {0.70, 0.02}};
        std::vector<Shapes::Ring> rings;
        for (const auto& [z, r] : profile) rings.push_back(Shapes::circle(16, z, r, x, 0.0));
        Shapes::loft(b, rings, true, true);
        // A pylon joins the pod to the wing above it.
        b.newPart();
        const double top = wingUnderside(0.25, 0.05) + 0.01;
        Shapes::slab(b, {Vec3(x, 0.02, -0.01), Vec3(x, 0.02, 0.20), Vec3(x, top, 0.12), Vec3(x, top, -0.05)},
                     Vec3(side, 0, 0), 0.016);
    }
}

void buildPylons(MeshBuilder& b)
{
    for (double side : {1.0, -1.0}) {
        b.newPart();
        const double x = 0.7 * side;
        const double top = wingUnderside(0.7, -0.45) + 0.008;
        Shapes::slab(b, {Vec3(x, 0.183, -0.52), Vec3(x, 0.183, -0.37), Vec3(x, top, -0.33), Vec3(x, top, -0.56)},
                     Vec3(side, 0, 0), 0.012);
    }
}

void buildFins(MeshBuilder& b)
{
    const double cant = 16.0 * std::numbers::pi / 180.0;
    for (double side : {1.0, -1.0}) {
        b.newPart();
        const double rootY = 0.085, tipY = 0.30;
        const double rootX = 0.085, tipX = rootX + (tipY - rootY) * std::tan(cant);
        const std::vector<Vec3> outline = {Vec3(rootX, rootY, -0.16), Vec3(rootX, rootY, -0.47),
                                           Vec3(tipX, tipY, -0.535), Vec3(tipX, tipY, -0.40)};
        Shapes::slab(b, mirrored(outline, side), Vec3(std::cos(cant) * side, -std::sin(cant), 0), 0.016);
    }
}

void buildIntakes(MeshBuilder& b)
{
    for (double side : {1.0, -1.0}) {
        b.newPart();
        const double x = 0.148 * side;
        std::vector<Shapes::Ring> rings;
        rings.push_back(Shapes::superellipse(16, 0.20, 0.030, 0.040, 0.040, 5.0, x, -0.005));
        rings.push_back(Shapes::superellipse(16, 0.12, 0.036, 0.046, 0.046, 5.0, x, -0.005));
        rings.push_back(Shapes::superellipse(16, -0.10, 0.034, 0.044, 0.044, 5.0, x * 0.96, -0.005));
        Shapes::loft(b, rings, true, false);
    }
}

void buildCanopy(MeshBuilder& b)
{
    b.newPart();
    const Vec3 centre(0.0, 0.078, 0.25);
    const Vec3 radius(0.068, 0.082, 0.20);
    std::vector<Shapes::Ring> rings;
    constexpr int steps = 12;
    for (int k = 1; k < steps; ++k) {
        const double a = std::numbers::pi * k / steps;
        rings.push_back(Shapes::superellipse(20, centre.z + radius.z * std::cos(a), radius.x * std::sin(a),
                                             radius.y * std::sin(a), radius.y * std::sin(a), 2.0, 0.0, centre.y));
    }
    std::vector<Shapes::Ring> closed;
    closed.push_back(Shapes::Ring(20, centre + Vec3(0, 0, radius.z)));
    for (auto& r : rings) closed.push_back(r);
    closed.push_back(Shapes::Ring(20, centre - Vec3(0, 0, radius.z)));
    Shapes::loft(b, closed, false, false);
}

// Two bows of the canopy frame over the glass, so the bubble reads as a cockpit.
void buildCanopyFrame(MeshBuilder& b)
{
    const Vec3 centre(0.0, 0.078, 0.25);
    const Vec3 radius(0.068 * 1.03, 0.082 * 1.03, 0.20 * 1.03);
    for (double along : {0.30, 0.60}) {
        b.newPart();
        const double a = std::numbers::pi * along;
        std::vector<Vec3> path;
        for (int k = 0; k <= 12; ++k) {
            const double t = std::numbers::pi * (0.02 + 0.96 * k / 12.0);
            path.push_back(Vec3(radius.x * std::sin(a) * std::cos(t), centre.y + radius.y * std::sin(a) * std::sin(t),
                                centre.z + radius.z * std::cos(a)));
        }
        Shapes::tube(b, path, 0.0065);
    }
}

FighterTexture::View viewOf(const Vec3& n)
{
    const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
    if (ay >= ax && ay >= az) return n.y > 0 ? FighterTexture::View::Top : FighterTexture::View::Bottom;
    if (ax >= az) return FighterTexture::View::Side;
    return n.z > 0 ? FighterTexture::View::Front : FighterTexture::View::Back;
}
}  // namespace

Mesh Fighter::make(const std::string& hullTexture)
{
    MeshBuilder b;
    b.useGroup(hullTexture);
    buildFuselage(b);
    buildWings(b);
    buildGuns(b);
    buildPylons(b);
    buildFins(b);
    buildIntakes(b);
    buildCanopyFrame(b);
    b.mapTexture(-1, [](MeshBuilder::Triangle& t) {
        const FighterTexture::View view = viewOf(t.faceNormal());
        for (auto& c : t.corners) {
            const auto [s, tt] = FighterTexture::atlasCoordinate(view, c.position);
            c.u = s;
            c.v = tt;
        }
    });
    b.mapTexture(nozzleWallPart, [](MeshBuilder::Triangle& t) {
        for (auto& c : t.corners) {
            const auto [s, tt] = FighterTexture::nozzleWallCoordinate((engineEnd - c.position.z) / (engineEnd - nozzleFloor));
            c.u = s;
            c.v = tt;
        }
    });
    b.useGroup("");
    buildCanopy(b);
    b.transform([](const Vec3& p) { return p * fileUnitsPerShipUnit; });
    return b.build(42.0);
}

}  // namespace assets
