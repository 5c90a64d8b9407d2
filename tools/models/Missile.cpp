#include "tools/models/Missile.h"

#include "tools/common/MeshBuilder.h"
#include "tools/models/MissileTexture.h"
#include "tools/models/Shapes.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace assets {

namespace {
constexpr int missileRingPoints = 20;
constexpr double bodyRadius = 0.12;

void buildFins(MeshBuilder& b, double rootFront, double rootBack, double tipFront, double tipBack, double reach,
               double thickness, double offsetTurns)
{
    for (int k = 0; k < 4; ++k) {
        b.newPart();
        const double a = 2.0 * std::numbers::pi * (k + offsetTurns) / 4.0;
        const Vec3 out(std::cos(a), std::sin(a), 0.0), across(-std::sin(a), std::cos(a), 0.0);
        const double root = bodyRadius * 0.9;
        Shapes::slab(b,
                     {Vec3() + out * root + Vec3(0, 0, rootFront), Vec3() + out * root + Vec3(0, 0, rootBack),
                      Vec3() + out * reach + Vec3(0, 0, tipBack), Vec3() + out * reach + Vec3(0, 0, tipFront)},
                     across, thickness);
    }
}
}  // namespace

Mesh Missile::make(const std::string& texture)
{
    MeshBuilder b;
    b.useGroup(texture);
    const int bodyPart = b.newPart();
    // (z, radius) from the nose tip to the nozzle's lip.
    const double profile[][2] = {{-1.25, 0.004}, {-1.22, 0.035}, {-1.15, 0.066}, {-1.05, 0.093}, {-0.93, 0.112},
                                 {-0.82, 0.12},  {0.95, 0.12},   {1.04, 0.112},  {1.12, 0.10},   {1.22, 0.088}};
    std::vector<Shapes::Ring> rings;
    for (const auto& [z, r] : profile) rings.push_back(Shapes::circle(missileRingPoints, z, r));
    Shapes::loft(b, rings, true, false);
    b.newPart();
    const Shapes::Ring lip = Shapes::circle(missileRingPoints, 1.22, 0.066);
    Shapes::annulus(b, rings.back(), lip, Vec3(0, 0, 1));
    b.newPart();
    const Shapes::Ring floor = Shapes::circle(missileRingPoints, 1.15, 0.055);
    Shapes::loft(b, {lip, floor}, false, true, true);
    const int firstFinPart = b.newPart();
    buildFins(b, 0.55, 1.12, 0.86, 1.17, 0.34, 0.022, 0.5);   // tail fins, an X seen from behind
    buildFins(b, -0.58, -0.36, -0.46, -0.37, 0.21, 0.016, 0.5);  // canards in line with them

    // Body: unrolled around the axis; a triangle that crosses the seam at angle 0 takes its
    // corners past one full turn, so it does not smear the whole body across itself.
    b.mapTexture(-1, [&](MeshBuilder::Triangle& t) {
        if (t.part >= firstFinPart) {
            for (auto& c : t.corners) {
                const double r = std::hypot(c.position.x, c.position.y);
                std::tie(c.u, c.v) = MissileTexture::finCoordinate(r, c.position.z);
            }
            return;
        }
        double turns[3];
        for (int i = 0; i < 3; ++i) {
            const Vec3& p = t.corners[i].position;
            const double a = std::atan2(p.y, p.x);
            turns[i] = (a < 0 ? a + 2.0 * std::numbers::pi : a) / (2.0 * std::numbers::pi);
            if (std::hypot(p.x, p.y) < 1e-6) turns[i] = -1.0;  // on the axis: any angle
        }
        const double maxTurn = std::max({turns[0], turns[1], turns[2]});
        for (int i = 0; i < 3; ++i) {
            if (turns[i] < 0.0) turns[i] = maxTurn;
            if (maxTurn - turns[i] > 0.5) turns[i] += 1.0;
        }
        const double top = std::max({turns[0], turns[1], turns[2]});
        for (int i = 0; i < 3; ++i) {
            // Keep the triangle inside the strip by shifting it back by one turn if needed.
            const double a = top > 1.0 ? turns[i] - (top - 1.0 > 0.5 ? 1.0 : 0.0) : turns[i];
            std::tie(t.corners[i].u, t.corners[i].v) = MissileTexture::bodyCoordinate(std::min(a, 1.0), t.corners[i].position.z);
        }
    });
    (void)bodyPart;
    return b.build(40.0);
}

}  // namespace assets
