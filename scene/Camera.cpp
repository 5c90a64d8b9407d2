#include "scene/Camera.h"

#include <GL/gl.h>

#include <cmath>
#include <limits>

#include "scene/Scene.h"
#include "scene/Viewport.h"

namespace {
Camera* activeCamera = nullptr;
// A sphere must be this much farther out than its radius to count as unseen: rounding of the
// planes must never hide what GL would still draw.
constexpr double unseenMargin = 1.001;

// How far `point` lies inside plane `row3 + sign * row` of the view-projection matrix
// (negative: outside), in world units; the plane's normal has no length for a degenerate
// projection, which hides nothing.
double insideBy(const Matrix& m, int row, double sign, const Vector& point)
{
    const double a = m[3] + sign * m[row], b = m[7] + sign * m[4 + row], c = m[11] + sign * m[8 + row];
    const double d = m[15] + sign * m[12 + row];
    const double length = std::sqrt(a * a + b * b + c * c);
    if (!(length > 0.0)) return std::numeric_limits<double>::infinity();
    return (a * point.x() + b * point.y() + c * point.z() + d) / length;
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
    const Matrix viewProjection = getViewProjectionMatrix();
    for (int row = 0; row < 3; ++row) {
        for (double sign : {1.0, -1.0})
            if (insideBy(viewProjection, row, sign, centre) < -radius * unseenMargin) return false;
    }
    return true;
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
    projection_ = Matrix::perspective(fieldOfView, Viewport::current().aspect(), nearPlane, farPlane);
    activeCamera = this;
    view_ = getLocalInverseMatrix();
    for (Scene* ancestor = getParent(); ancestor != nullptr; ancestor = ancestor->getParent())
        view_ = view_ * ancestor->getLocalInverseMatrix();
    viewProjection_ = projection_ * view_;
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
