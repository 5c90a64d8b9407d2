#pragma once
// Vec3: a small 3D vector of doubles for the asset generator, which keeps to its own code.
// Degenerate input: normalized() of a zero vector returns the zero vector.
#include <cmath>

namespace assets {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;

    constexpr Vec3() = default;
    constexpr Vec3(double xValue, double yValue, double zValue) : x(xValue), y(yValue), z(zValue) {}

    constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(double f) const { return {x * f, y * f, z * f}; }
    constexpr Vec3 operator/(double f) const { return {x / f, y / f, z / f}; }
    Vec3& operator+=(const Vec3& o)
    {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    friend constexpr Vec3 operator*(double f, const Vec3& v) { return v * f; }

    constexpr double dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    constexpr Vec3 cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    // Component-wise product, for scaling along axes.
    constexpr Vec3 scaled(const Vec3& o) const { return {x * o.x, y * o.y, z * o.z}; }
    double length() const { return std::sqrt(dot(*this)); }
    Vec3 normalized() const
    {
        const double l = length();
        return l > 0.0 ? *this / l : Vec3{};
    }
};

inline Vec3 lerp(const Vec3& a, const Vec3& b, double t) { return a + (b - a) * t; }

}  // namespace assets
