#include "scene/Vector.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <numbers>

Vector::Vector(double x, double y, double z) : x_(x), y_(y), z_(z) {}

Vector::Vector(const Vector& direction, double length) : Vector()
{
    const double directionLength = direction.length();
    if (directionLength == 0.0) return;
    const double factor = length / directionLength;
    x_ = direction.x_ * factor;
    y_ = direction.y_ * factor;
    z_ = direction.z_ * factor;
}

double Vector::length() const
{
    if (!lengthValid_) {
        length_ = std::sqrt(squaredLength());
        lengthValid_ = true;
    }
    return length_;
}

bool Vector::isZero() const { return x_ == 0.0 && y_ == 0.0 && z_ == 0.0; }

bool Vector::isFinite() const { return std::isfinite(x_) && std::isfinite(y_) && std::isfinite(z_); }

Vector Vector::operator+(const Vector& o) const { return {x_ + o.x_, y_ + o.y_, z_ + o.z_}; }

Vector Vector::operator-(const Vector& o) const { return {x_ - o.x_, y_ - o.y_, z_ - o.z_}; }

Vector Vector::operator-() const { return {-x_, -y_, -z_}; }

Vector Vector::operator*(double f) const { return {x_ * f, y_ * f, z_ * f}; }

Vector Vector::operator/(double d) const { return {x_ / d, y_ / d, z_ / d}; }

Vector operator/(double dividend, const Vector& v) { return {dividend / v.x_, dividend / v.y_, dividend / v.z_}; }

double Vector::dot(const Vector& o) const { return x_ * o.x_ + y_ * o.y_ + z_ * o.z_; }

Vector Vector::cross(const Vector& o) const
{
    return {y_ * o.z_ - z_ * o.y_, z_ * o.x_ - x_ * o.z_, x_ * o.y_ - y_ * o.x_};
}

Vector Vector::interpolate(const Vector& to, double t) const { return *this * (1.0 - t) + to * t; }

double Vector::angleTo(const Vector& other) const
{
    // The sine from the cross product stays accurate for small angles; the obtuse test
    // picks the right half of [0, pi].
    const double sine = std::clamp(cross(other).length() / (length() * other.length()), -1.0, 1.0);
    const double angle = std::asin(sine);
    const bool obtuse = (*this - other).squaredLength() > squaredLength() + other.squaredLength();
    return obtuse ? std::numbers::pi - angle : angle;
}

double Vector::angleToDegrees(const Vector& other) const { return angleTo(other) / std::numbers::pi * 180.0; }

void Vector::emitVertex() const { glVertex3d(x_, y_, z_); }
