#include "tools/models/AsteroidShape.h"

#include "tools/common/MeshBuilder.h"
#include "tools/common/Noise.h"
#include "tools/common/Random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>

namespace assets {

namespace {
constexpr int fullFrequency = 12;       // 20 * 12^2 = 2880 triangles at level 0
constexpr double meanRadius = 0.092;    // file units; the game scales by 10 * size
constexpr double textureRepeat = 6.5;   // texture repeats per file unit

struct Crater {
    Vec3 centre;
    double angle;  // angular radius, radians
    double depth;  // relative to the unit radius
};

double craterProfile(double t)
{
    if (t > 2.2) return 0.0;
    const double bowl = t < 1.0 ? t * t - 1.0 : 0.0;
    const double rim = 0.30 * std::exp(-(t - 1.0) * (t - 1.0) / 0.06);
    return std::max(bowl, -0.75) + rim;  // flat floor in the largest ones
}

double craterField(const std::vector<Crater>& craters, const Vec3& d)
{
    double h = 0.0;
    for (const Crater& c : craters) {
        const double angle = std::acos(std::clamp(d.dot(c.centre), -1.0, 1.0));
        h += c.depth * craterProfile(angle / c.angle);
    }
    return h;
}

Vec3 randomDirection(Random& random)
{
    for (;;) {
        const Vec3 v(random.uniform(-1, 1), random.uniform(-1, 1), random.uniform(-1, 1));
        const double l = v.length();
        if (l > 0.1 && l <= 1.0) return v / l;
    }
}

std::vector<Crater> makeCraters(Random& random, int count, double minAngle, double maxAngle, double depthRatio)
{
    std::vector<Crater> craters;
    for (int i = 0; i < count; ++i) {
        const double a = minAngle + (maxAngle - minAngle) * std::pow(random.uniform(), 1.6);
        craters.push_back({randomDirection(random), a, a * depthRatio * random.uniform(0.7, 1.2)});
    }
    return craters;
}

// Radius of the rock in direction d (unit vector), before the final scaling.
std::function<double(const Vec3&)> radiusFunction(AsteroidShape::Kind kind, unsigned seed)
{
    auto noise = std::make_shared<Noise>(seed);
    Random random(seed * 7 + 3);
    switch (kind) {
    case AsteroidShape::Kind::Potato: {
        const Vec3 stretch(1.22, 0.95, 0.87);
        auto craters = std::make_shared<std::vector<Crater>>(makeCraters(random, 7, 0.25, 0.65, 0.30));
        return [=](const Vec3& d) {
            const double ellipsoid = 1.0 / Vec3(d.x / stretch.x, d.y / stretch.y, d.z / stretch.z).length();
            return ellipsoid * (1.0 + 0.22 * noise->fbm(d * 1.2, 3) + 0.07 * noise->fbm(d * 4.0 + Vec3(3, 1, 2), 4)) +
                   craterField(*craters, d);
        };
    }
    case AsteroidShape::Kind::Chunk: {
        // Fracture planes cut the rock into a blocky shard; a soft minimum rounds the edges
        // a little so the smooth normals still read as edges and not as creases.
        auto planes = std::make_shared<std::vector<std::pair<Vec3, double>>>();
        for (int i = 0; i < 11; ++i) planes->push_back({randomDirection(random), random.uniform(0.78, 0.95)});
        auto craters = std::make_shared<std::vector<Crater>>(makeCraters(random, 5, 0.15, 0.45, 0.25));
        return [=](const Vec3& d) {
            double sum = 0.0;
            constexpr double softness = 0.035;
            const double outer = 1.2;
            sum += std::exp(-outer / softness);
            for (const auto& [n, h] : *planes) {
                const double c = d.dot(n);
                if (c > 1e-3) sum += std::exp(-(h / c) / softness);
            }
            const double r = -softness * std::log(sum);
            return r * (1.0 + 0.06 * noise->fbm(d * 3.0, 4) + 0.025 * noise->ridged(d * 6.0, 3)) +
                   craterField(*craters, d);
        };
    }
    case AsteroidShape::Kind::Craggy:
    default: {
        std::vector<Crater> list = makeCraters(random, 14, 0.14, 0.42, 0.36);
        list.push_back({randomDirection(random), 0.9, 0.2});  // one old basin
        auto craters = std::make_shared<std::vector<Crater>>(list);
        const Vec3 stretch(1.12, 0.84, 1.0);
        return [=](const Vec3& d) {
            const double ellipsoid = 1.0 / Vec3(d.x / stretch.x, d.y / stretch.y, d.z / stretch.z).length();
            const double ridges = noise->ridged(d * 2.0, 4) - 0.55;
            return ellipsoid * (1.0 + 0.14 * noise->fbm(d * 1.4, 3) + 0.28 * ridges) + craterField(*craters, d);
        };
    }
    }
}

// Rounds a direction so that the copies of a shared edge point made by neighbouring faces
// agree to the last bit before they are displaced.
Vec3 canonical(const Vec3& v)
{
    const Vec3 n = v.normalized();
    auto q = [](double a) { return std::round(a * 1e9) / 1e9; };
    return Vec3(q(n.x), q(n.y), q(n.z)).normalized();
}

void boxProjection(MeshBuilder::Triangle& t, double scale)
{
    const Vec3 n = t.faceNormal();
    const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
    for (auto& c : t.corners) {
        const Vec3& p = c.position;
        double u, v;
        // Mirror per side so the pattern does not read as reflected, and shift every
        // projection so that opposite sides do not show the same patch.
        if (ax >= ay && ax >= az) {
            u = (n.x > 0 ? -p.z : p.z) + 0.31;
            v = p.y + 0.17;
        } else if (ay >= az) {
            u = p.x + 0.53;
            v = (n.y > 0 ? -p.z : p.z) + 0.71;
        } else {
            u = (n.z > 0 ? p.x : -p.x) + 0.11;
            v = p.y + 0.43;
        }
        c.u = static_cast<float>(u * scale);
        c.v = static_cast<float>(v * scale);
    }
}

// The geodesic directions of one subdivision, as triangles of unit vectors.
MeshBuilder geodesicSphere(const std::string& texture, int frequency)
{
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
    const std::array<Vec3, 12> ico = {Vec3(-1, phi, 0), Vec3(1, phi, 0),  Vec3(-1, -phi, 0), Vec3(1, -phi, 0),
                                      Vec3(0, -1, phi), Vec3(0, 1, phi),  Vec3(0, -1, -phi), Vec3(0, 1, -phi),
                                      Vec3(phi, 0, -1), Vec3(phi, 0, 1),  Vec3(-phi, 0, -1), Vec3(-phi, 0, 1)};
    const int faces[20][3] = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
                              {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
                              {3, 8, 9},  {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    MeshBuilder builder;
    builder.useGroup(texture);
    auto point = [&](const Vec3& a, const Vec3& b, const Vec3& c, int i, int j) {
        const double f = frequency;
        return canonical(a + (b - a) * (i / f) + (c - a) * (j / f));
    };
    for (const auto& face : faces) {
        const Vec3 a = ico[face[0]], b = ico[face[1]], c = ico[face[2]];
        for (int i = 0; i < frequency; ++i) {
            for (int j = 0; j < frequency - i; ++j) {
                builder.triangle(point(a, b, c, i, j), point(a, b, c, i + 1, j), point(a, b, c, i, j + 1));
                if (j < frequency - i - 1)
                    builder.triangle(point(a, b, c, i + 1, j), point(a, b, c, i + 1, j + 1), point(a, b, c, i, j + 1));
            }
        }
    }
    return builder;
}

// The factor that brings the full subdivision's mean radius to meanRadius; every level uses
// it, so that their shared vertices coincide.
double meanRadiusScale(const std::function<double(const Vec3&)>& radius)
{
    MeshBuilder full = geodesicSphere("", fullFrequency);
    double sum = 0.0;
    int count = 0;
    full.transform([&](const Vec3& d) {
        sum += radius(d);
        ++count;
        return d;
    });
    return meanRadius / (sum / count);
}
}  // namespace

Mesh AsteroidShape::make(Kind kind, const std::string& texture, unsigned seed, int detailLevel)
{
    const auto radius = radiusFunction(kind, seed);
    const double scale = meanRadiusScale(radius);
    MeshBuilder builder = geodesicSphere(texture, fullFrequency >> detailLevel);
    builder.transform([&](const Vec3& d) { return d * radius(d); });
    builder.transform([&](const Vec3& p) { return p * scale; });
    builder.mapTexture(-1, [](MeshBuilder::Triangle& t) { boxProjection(t, textureRepeat); });
    return builder.build(180.0);
}

}  // namespace assets
