#include "tools/models/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

namespace {
Vec3 centroid(const Shapes::Ring& ring)
{
    Vec3 c;
    for (const Vec3& p : ring) c += p;
    return c / static_cast<double>(ring.size());
}
}  // namespace

void Shapes::loft(MeshBuilder& builder, const std::vector<Ring>& rings, bool capStart, bool capEnd, bool inward)
{
    if (rings.size() < 2) return;
    const size_t n = rings[0].size();
    // Decide the winding once, from the widest section: its quads must face away from the
    // axis (or towards it for an inside surface).
    size_t widest = 0;
    double widestSpread = -1.0;
    for (size_t r = 0; r + 1 < rings.size(); ++r) {
        const Vec3 c = centroid(rings[r]);
        const double spread = (rings[r][0] - c).length();
        if (spread > widestSpread) widestSpread = spread, widest = r;
    }
    const Ring& a0 = rings[widest];
    const Ring& b0 = rings[widest + 1];
    double outward = 0.0;
    const Vec3 axisPoint = (centroid(a0) + centroid(b0)) * 0.5;
    for (size_t i = 0; i < n; ++i) {
        const Vec3 normal = (b0[i] - a0[i]).cross(a0[(i + 1) % n] - a0[i]);
        outward += normal.dot((a0[i] + b0[i]) * 0.5 - axisPoint);
    }
    const bool flip = (outward < 0.0) != inward;
    for (size_t r = 0; r + 1 < rings.size(); ++r) {
        const Ring& a = rings[r];
        const Ring& b = rings[r + 1];
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            if (flip)
                builder.quad(a[i], a[j], b[j], b[i]);
            else
                builder.quad(a[i], b[i], b[j], a[j]);
        }
    }
    if (capStart) cap(builder, rings.front(), centroid(rings.front()) - centroid(rings[1]));
    if (capEnd) cap(builder, rings.back(), centroid(rings.back()) - centroid(rings[rings.size() - 2]));
}

void Shapes::cap(MeshBuilder& builder, const Ring& ring, const Vec3& facing)
{
    const Vec3 c = centroid(ring);
    const size_t n = ring.size();
    for (size_t i = 0; i < n; ++i) {
        const Vec3& p = ring[i];
        const Vec3& q = ring[(i + 1) % n];
        if ((p - c).cross(q - c).dot(facing) >= 0.0)
            builder.triangle(c, p, q);
        else
            builder.triangle(c, q, p);
    }
}

void Shapes::annulus(MeshBuilder& builder, const Ring& outer, const Ring& inner, const Vec3& facing)
{
    const size_t n = outer.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        const Vec3 normal = (outer[j] - outer[i]).cross(inner[i] - outer[i]);
        if (normal.dot(facing) >= 0.0)
            builder.quad(outer[i], outer[j], inner[j], inner[i]);
        else
            builder.quad(outer[i], inner[i], inner[j], outer[j]);
    }
}

void Shapes::tube(MeshBuilder& builder, const std::vector<Vec3>& path, double radius, int sides)
{
    if (path.size() < 2) return;
    std::vector<Ring> rings;
    for (size_t i = 0; i < path.size(); ++i) {
        const Vec3 tangent = (path[std::min(i + 1, path.size() - 1)] - path[i == 0 ? 0 : i - 1]).normalized();
        // Any axis not along the path gives a frame; the paths here never run along x.
        const Vec3 side = tangent.cross(Vec3(1, 0, 0)).length() > 0.3 ? tangent.cross(Vec3(1, 0, 0)).normalized()
                                                                      : tangent.cross(Vec3(0, 1, 0)).normalized();
        const Vec3 up = side.cross(tangent);
        Ring ring;
        for (int k = 0; k < sides; ++k) {
            const double a = 2.0 * std::numbers::pi * k / sides;
            ring.push_back(path[i] + side * (radius * std::cos(a)) + up * (radius * std::sin(a)));
        }
        rings.push_back(ring);
    }
    loft(builder, rings, true, true);
}

Shapes::Ring Shapes::superellipse(int points, double z, double w, double up, double down, double exponent, double cx,
                                  double cy)
{
    Ring ring;
    for (int i = 0; i < points; ++i) {
        const double a = 2.0 * std::numbers::pi * i / points;
        const double c = std::cos(a), s = std::sin(a);
        const double x = w * std::copysign(std::pow(std::abs(c), 2.0 / exponent), c);
        const double y = (s >= 0.0 ? up : down) * std::copysign(std::pow(std::abs(s), 2.0 / exponent), s);
        ring.push_back(Vec3(cx + x, cy + y, z));
    }
    return ring;
}

Shapes::Ring Shapes::circle(int points, double z, double radius, double cx, double cy)
{
    return superellipse(points, z, radius, radius, radius, 2.0, cx, cy);
}

void Shapes::slab(MeshBuilder& builder, const std::vector<Vec3>& outline, const Vec3& normal, double thickness)
{
    const Vec3 offset = normal.normalized() * (thickness * 0.5);
    Ring top, bottom;
    for (const Vec3& p : outline) {
        top.push_back(p + offset);
        bottom.push_back(p - offset);
    }
    cap(builder, top, normal);
    cap(builder, bottom, -normal);
    const size_t n = outline.size();
    Vec3 c;
    for (const Vec3& p : outline) c += p;
    c = c / static_cast<double>(n);
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        const Vec3 edgeNormal = (bottom[j] - bottom[i]).cross(top[i] - bottom[i]);
        if (edgeNormal.dot((bottom[i] + bottom[j]) * 0.5 - c) >= 0.0)
            builder.quad(bottom[i], bottom[j], top[j], top[i]);
        else
            builder.quad(bottom[i], top[i], top[j], bottom[j]);
    }
}

}  // namespace assets
