#include "scene/Camera.h"

#include <GL/gl.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "scene/Scene.h"
#include "scene/Viewport.h"

namespace {
Camera* activeCamera = nullptr;
// A sphere must be this much farther out than its radius to count as unseen: rounding of the
// planes must never hide what GL would still draw.
constexpr double unseenMargin = 1.001;

// Plane `row3 + sign * row` of the view-projection matrix, scaled so that it measures world
// units (a, b, c, d: inside where a x + b y + c z + d > 0). For a degenerate projection the
// normal has no length, and the plane hides nothing.
Camera::ViewPlane viewPlane(const Matrix& m, int row, double sign)
{
    const double a = m[3] + sign * m[row], b = m[7] + sign * m[4 + row], c = m[11] + sign * m[8 + row];
    const double d = m[15] + sign * m[12 + row];
    const double length = std::sqrt(a * a + b * b + c * c);
    if (!(length > 0.0)) return {0.0, 0.0, 0.0, std::numeric_limits<double>::infinity()};
    return {a / length, b / length, c / length, d / length};
}
}  // namespace

Camera::~Camera()
{
    if (activeCamera == this) activeCamera = nullptr;
}

void Camera::apply()
{
    glMatrixMode(GL_PROJECTION);
    getViewProjectionMatrix().loadGL();
}

Matrix Camera::getViewProjectionMatrix()
{
    computeMatrices();
    return viewProjection_;
}

Matrix Camera::getProjectionMatrix()
{
    computeMatrices();
    return projection_;
}

Matrix Camera::getViewMatrix()
{
    computeMatrices();
    return view_;
}

Vector Camera::getEyePosition()
{
    if (!eyePositionValid_) {
        eyePosition_ = getAbsoluteMatrix().origin();
        eyePositionValid_ = true;
    }
    return eyePosition_;
}

bool Camera::maySee(const Vector& centre, double radius)
{
    computeMatrices();
    for (const ViewPlane& plane : viewPlanes_) {
        const double insideBy = plane[0] * centre.x() + plane[1] * centre.y() + plane[2] * centre.z() + plane[3];
        if (insideBy < -radius * unseenMargin) return false;
    }
    return true;
}

double Camera::pixelRadius(const Vector& centre, double radius)
{
    computeMatrices();
    const double distance = (centre - getEyePosition()).length();
    if (!(distance > radius)) return std::numeric_limits<double>::infinity();
    // The outline's half-angle is asin(radius / distance); its tangent scales to pixels.
    return pixelsPerSlope_ * radius / std::sqrt(distance * distance - radius * radius);
}

void Camera::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    matricesValid_ = false;
    eyePositionValid_ = false;
}

void Camera::computeMatrices()
{
    if (matricesValid_) return;
    // A minimised window has no height; its aspect is taken as that of one pixel row, so
    // the projection stays finite.
    const Viewport viewport = Viewport::current();
    projection_ = Matrix::perspective(fieldOfView, viewport.aspect(), nearPlane, farPlane);
    pixelsPerSlope_ = 0.5 * viewport.safeHeight() / std::tan(fieldOfView * std::numbers::pi / 360.0);
    activeCamera = this;
    view_ = getLocalInverseMatrix();
    for (Scene* ancestor = getParent(); ancestor != nullptr; ancestor = ancestor->getParent())
        view_ = view_ * ancestor->getLocalInverseMatrix();
    viewProjection_ = projection_ * view_;
    for (int row = 0; row < 3; ++row) {
        viewPlanes_[2 * row] = viewPlane(viewProjection_, row, 1.0);
        viewPlanes_[2 * row + 1] = viewPlane(viewProjection_, row, -1.0);
    }
    matricesValid_ = true;
}

Camera* Camera::getActive() { return activeCamera; }

void Camera::setActive(Camera* camera) { activeCamera = camera; }

void Camera::applyActive()
{
    if (activeCamera == nullptr) {
        Matrix::identity().loadGL();
        return;
    }
    activeCamera->apply();
}
