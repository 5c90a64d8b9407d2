#include "overlay/TargetPointer.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "overlay/MarkerColor.h"
#include "scene/Camera.h"
#include "scene/Scene.h"

namespace {
SceneObject* currentShooter = nullptr;

constexpr double octagon[][2] = {{0.414, 1},   {-0.414, 1}, {-1, 0.414}, {-1, -0.414},
                                 {-0.414, -1}, {0.414, -1}, {1, -0.414}, {1, 0.414}};
}  // namespace

TargetPointer::TargetPointer(DynamicSceneObject* target, double pointerSize, double shotSpeed)
    : target_(target), pointerSize_(pointerSize), shotSpeed_(shotSpeed)
{
    setCullable(true);
}

void TargetPointer::setShooter(SceneObject* shooter) { currentShooter = shooter; }

SceneObject* TargetPointer::getShooter() { return currentShooter; }

void TargetPointer::forgetTarget(const SceneObject* target)
{
    screenObjects().forEach([target](ScreenSceneObject* object) {
        auto* pointer = dynamic_cast<TargetPointer*>(object);
        if (pointer != nullptr && pointer->getTarget() == target) pointer->setTarget(nullptr);
    });
}

Vector TargetPointer::leadPoint(const Vector& shooter, const Vector& target, const Vector& velocity, double shotSpeed)
{
    // The triangle shooter, target, meeting point: its angle at the target is a (between the
    // way back to the shooter and the target's flight), at the shooter b, at the meeting point
    // c; the target covers k until the shot meets it.
    const Vector toTarget = target - shooter;
    const double distance = toTarget.length();
    const double speed = velocity.length();
    if (distance == 0.0 || speed == 0.0 || !(shotSpeed > 0.0)) return target;
    const double a = toTarget.angleTo(-velocity);
    const double sineB = speed * std::sin(a) / shotSpeed;
    if (!(sineB <= 1.0)) return target;  // it outruns the shot sideways
    const double b = std::asin(sineB);
    const double c = std::numbers::pi - a - b;
    const double k = distance * std::sin(b) / std::sin(c);
    // Flying straight away there is no triangle, and a target faster than the shot is never met.
    if (!(c > 0.0) || !std::isfinite(k) || k < 0.0) return target;
    return target + Vector(velocity, k);
}

void TargetPointer::calculate(TimeStep step)
{
    if (target_ != nullptr) {
        const Vector target = target_->getAbsolutePosition();
        const Vector velocity = target_->isMoving() ? target_->getVelocity() : Vector();
        Vector lead = currentShooter != nullptr
                          ? leadPoint(currentShooter->getAbsolutePosition(), target, velocity, shotSpeed_)
                          : target;
        if (!lead.isFinite()) lead = target;
        Scene* parent = getParent();
        setPosition(parent != nullptr ? parent->getAbsoluteInverseMatrix().apply(lead) : lead);
        Camera* camera = Camera::getActive();
        const double distance = camera != nullptr ? (camera->getEyePosition() - lead).length() : 1.0 / sizePerDistance;
        // At the eye itself it would vanish; a scale of 0 has no inverse.
        if (std::isfinite(distance) && distance > 0.0) setScale(distance * sizePerDistance * pointerSize_);
    }
    DynamicSceneObject::calculate(step);
}

void TargetPointer::drawFlat()
{
    if (target_ == nullptr) return;
    markerColor(alpha_).apply();
    glBegin(GL_LINE_LOOP);
    for (const auto& corner : octagon) glVertex3d(corner[0], corner[1], 0);
    glEnd();
    glBegin(GL_LINES);
    glVertex3d(0, 2, 0);
    glVertex3d(0, -2, 0);
    glVertex3d(2, 0, 0);
    glVertex3d(-2, 0, 0);
    glEnd();
}

void TargetPointer::drawSelectionShape()
{
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(0, 0, 0);
    for (const auto& corner : octagon) glVertex3d(2 * corner[0], 2 * corner[1], 0);
    glVertex3d(2 * octagon[0][0], 2 * octagon[0][1], 0);
    glEnd();
    glEnable(GL_DEPTH_TEST);
}
