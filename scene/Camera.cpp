#include "scene/Camera.h"

#include <GL/gl.h>

#include "scene/Scene.h"
#include "scene/Viewport.h"

namespace {
Camera* activeCamera = nullptr;
}

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
