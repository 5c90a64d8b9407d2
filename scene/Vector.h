#pragma once
// Vector: a point or direction in 3D, in double precision. A plain value.
// The length is computed on first request and cached, because distance comparisons (sorting,
// culling, collisions) ask for it again and again.
// Degenerate input: angleTo with a zero vector gives NaN (callers treat that as "no angle");
// rescaling a zero vector to a length gives the zero vector.

class Vector {
public:
    Vector(double x = 0.0, double y = 0.0, double z = 0.0);
    // `direction` rescaled to `length`; a zero direction stays zero.
    Vector(const Vector& direction, double length);

    double x() const { return x_; }
    double y() const { return y_; }
    double z() const { return z_; }

    double length() const;
    double squaredLength() const { return x_ * x_ + y_ * y_ + z_ * z_; }
    bool isZero() const;
    bool isFinite() const;

    Vector operator+(const Vector& other) const;
    Vector operator-(const Vector& other) const;
    Vector operator-() const;
    Vector operator*(double factor) const;
    Vector operator/(double divisor) const;
    friend Vector operator*(double factor, const Vector& vector) { return vector * factor; }
    friend Vector operator/(double dividend, const Vector& vector);

    double dot(const Vector& other) const;
    Vector cross(const Vector& other) const;
    // (1 - t) * this + t * to.
    Vector interpolate(const Vector& to, double t) const;
    // In [0, pi]; NaN when either vector is zero.
    double angleTo(const Vector& other) const;
    double angleToDegrees(const Vector& other) const;

    // Emits the vector as a vertex of the current glBegin block.
    void emitVertex() const;

private:
    double x_, y_, z_;
    mutable double length_ = 0.0;
    mutable bool lengthValid_ = false;
};
