#include "scene/Matrix.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {
constexpr double degreesToRadians = std::numbers::pi / 180.0;
}

Matrix::Matrix() : m_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

Matrix::Matrix(const std::array<double, 16>& elements) : m_(elements) {}

Matrix Matrix::translation(double x, double y, double z)
{
    Matrix t;
    t.m_[12] = x;
    t.m_[13] = y;
    t.m_[14] = z;
    return t;
}

Matrix Matrix::translation(const Vector& v) { return translation(v.x(), v.y(), v.z()); }

Matrix Matrix::rotation(double angleDegrees, double x, double y, double z)
{
    const double axisLength = std::sqrt(x * x + y * y + z * z);
    if (axisLength == 0.0 || !std::isfinite(axisLength)) return {};
    x /= axisLength;
    y /= axisLength;
    z /= axisLength;
    const double radians = angleDegrees * degreesToRadians;
    const double c = std::cos(radians), s = std::sin(radians), k = 1.0 - c;
    Matrix r;
    r.m_[0] = x * x * k + c;
    r.m_[1] = y * x * k + z * s;
    r.m_[2] = x * z * k - y * s;
    r.m_[4] = x * y * k - z * s;
    r.m_[5] = y * y * k + c;
    r.m_[6] = y * z * k + x * s;
    r.m_[8] = x * z * k + y * s;
    r.m_[9] = y * z * k - x * s;
    r.m_[10] = z * z * k + c;
    return r;
}

Matrix Matrix::rotation(double angleDegrees, const Vector& axis)
{
    return rotation(angleDegrees, axis.x(), axis.y(), axis.z());
}

Matrix Matrix::scaling(double x, double y, double z)
{
    Matrix s;
    s.m_[0] = x;
    s.m_[5] = y;
    s.m_[10] = z;
    return s;
}

Matrix Matrix::scaling(const Vector& v) { return scaling(v.x(), v.y(), v.z()); }

Matrix Matrix::perspective(double fovyDegrees, double aspect, double zNear, double zFar)
{
    const double halfAngle = fovyDegrees / 2.0 * degreesToRadians;
    const double depth = zFar - zNear;
    const double sine = std::sin(halfAngle);
    if (depth == 0.0 || sine == 0.0 || aspect == 0.0) return {};
    const double cotangent = std::cos(halfAngle) / sine;
    Matrix p;
    p.m_[0] = cotangent / aspect;
    p.m_[5] = cotangent;
    p.m_[10] = -(zFar + zNear) / depth;
    p.m_[11] = -1.0;
    p.m_[14] = -2.0 * zNear * zFar / depth;
    p.m_[15] = 0.0;
    return p;
}

Matrix Matrix::operator*(const Matrix& o) const
{
    Matrix product;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += m_[4 * k + row] * o.m_[4 * column + k];
            product.m_[4 * column + row] = sum;
        }
    }
    return product;
}

Vector Matrix::apply(const Vector& p) const
{
    const double x = m_[0] * p.x() + m_[4] * p.y() + m_[8] * p.z() + m_[12];
    const double y = m_[1] * p.x() + m_[5] * p.y() + m_[9] * p.z() + m_[13];
    const double z = m_[2] * p.x() + m_[6] * p.y() + m_[10] * p.z() + m_[14];
    const double w = m_[3] * p.x() + m_[7] * p.y() + m_[11] * p.z() + m_[15];
    if (w == 1.0) return {x, y, z};
    return {x / w, y / w, z / w};
}

Vector Matrix::origin() const { return apply({0, 0, 0}); }

Vector Matrix::xAxis() const { return apply({1, 0, 0}) - origin(); }

Vector Matrix::yAxis() const { return apply({0, 1, 0}) - origin(); }

Vector Matrix::zAxis() const { return apply({0, 0, 1}) - origin(); }

Vector Matrix::axisScales() const { return {xAxis().length(), yAxis().length(), zAxis().length()}; }

Matrix Matrix::rotationPart() const
{
    const Vector scales = axisScales();
    auto inverse = [](double s) { return s == 0.0 || !std::isfinite(s) ? 1.0 : 1.0 / s; };
    return translation(-origin()) * *this * scaling(inverse(scales.x()), inverse(scales.y()), inverse(scales.z()));
}

Matrix Matrix::blend(const Matrix& to, double t) const
{
    Matrix mix;
    for (int i = 0; i < 16; ++i) mix.m_[i] = (1.0 - t) * m_[i] + t * to.m_[i];
    return mix;
}

Matrix Matrix::transposed() const
{
    Matrix t;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) t.m_[4 * column + row] = m_[4 * row + column];
    }
    return t;
}

void Matrix::multiplyGL() const { glMultMatrixd(m_.data()); }

void Matrix::loadGL() const { glLoadMatrixd(m_.data()); }
