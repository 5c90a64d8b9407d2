#pragma once
// Matrix: a 4x4 transform of doubles, column-major exactly as glLoadMatrixd expects:
// element (row r, column c) at index 4c + r, the translation in 12, 13, 14.
// The builders compute what glTranslated, glRotated, glScaled and gluPerspective would put on
// a matrix stack, so the engine's math needs no GL context. A rotation about the zero axis
// is the identity, and a degenerate perspective (zero aspect, depth range or field of view)
// is the identity, as in GL.
#include "scene/Vector.h"

#include <array>

class Matrix {
public:
    Matrix();  // identity
    explicit Matrix(const std::array<double, 16>& elements);

    static Matrix identity() { return {}; }
    static Matrix translation(double x, double y, double z);
    static Matrix translation(const Vector& offset);
    static Matrix rotation(double angleDegrees, double x, double y, double z);
    static Matrix rotation(double angleDegrees, const Vector& axis);
    static Matrix scaling(double x, double y, double z);
    static Matrix scaling(const Vector& factors);
    static Matrix perspective(double fovyDegrees, double aspect, double zNear, double zFar);

    double operator[](int index) const { return m_[index]; }
    double& operator[](int index) { return m_[index]; }
    const double* data() const { return m_.data(); }
    bool operator==(const Matrix& other) const = default;

    // Column-vector convention: (A * B).apply(v) == A.apply(B.apply(v)).
    Matrix operator*(const Matrix& other) const;
    // The point transformed; divided by w when w is not exactly 1.
    Vector apply(const Vector& point) const;
    Vector origin() const;
    Vector xAxis() const;
    Vector yAxis() const;
    Vector zAxis() const;
    // Lengths of the transformed unit axes.
    Vector axisScales() const;
    // translation(-origin) * this * scaling(1 / axisScales): the pure rotation of a
    // translation * rotation * scaling. A collapsed axis is left unscaled.
    Matrix rotationPart() const;
    // (1 - t) * this + t * to, element by element.
    Matrix blend(const Matrix& to, double t) const;
    Matrix transposed() const;

    void multiplyGL() const;  // glMultMatrixd
    void loadGL() const;      // glLoadMatrixd

private:
    std::array<double, 16> m_;
};
