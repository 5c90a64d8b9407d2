#include "world/ShipControl.h"

#include <algorithm>

namespace {
constexpr double cameraPullAtFullSpeed = 1.0;  // further back at full forward speed
constexpr double cameraPushAtFullReverse = 0.125;
constexpr double cameraSideAtFullStrafe = 0.5;
constexpr double cameraSideAtFullTurn = 0.8;
constexpr double cameraLiftAtFullTurn = 0.775;
constexpr double cameraHeight = 0.425;
}  // namespace

ShipControl::ShipControl(const FlightLimits& limits) : limits_(limits) {}

void ShipControl::update(double dt, double thrust, Strafing strafing)
{
    updateSpeed(dt, thrust);
    updateStrafe(dt, strafing);
    updateTurn(dt);
}

void ShipControl::updateSpeed(double dt, double thrust)
{
    const double rate = thrust <= 0 ? limits_.backwardAcceleration : limits_.forwardAcceleration;
    speed_ = std::clamp(speed_ + rate * dt * thrust, -limits_.maxBackwardSpeed, limits_.maxForwardSpeed);
}

void ShipControl::updateStrafe(double dt, Strafing strafing)
{
    const double step = dt * limits_.strafeAcceleration;
    switch (strafing) {
        case StrafeLeft:
            strafeSpeed_ = std::min(strafeSpeed_ + step, limits_.maxStrafeSpeed);
            break;
        case StrafeRight:
            strafeSpeed_ = std::max(strafeSpeed_ - step, -limits_.maxStrafeSpeed);
            break;
        default:
            if (strafeSpeed_ > 0)
                strafeSpeed_ = std::max(strafeSpeed_ - step, 0.0);
            else if (strafeSpeed_ < 0)
                strafeSpeed_ = std::min(strafeSpeed_ + step, 0.0);
    }
}

void ShipControl::updateTurn(double dt)
{
    Vector change = targetTurn_ - turn_;
    const double maxStep = dt * limits_.steeringResponse;
    if (change.length() > maxStep) change = Vector(change, maxStep);
    turn_ = turn_ + change;
}

void ShipControl::aimAt(double steerX, double steerY)
{
    // The steering rate is the turn at the middle of the shorter edge, half a side out.
    targetTurn_ = Vector(steerX * 2.0, steerY * 2.0, 0.0) * limits_.steeringRate;
}

Vector ShipControl::velocity(const Vector& forward, const Vector& left) const
{
    if (speed_ == 0.0) return {};
    return Vector(forward, speed_) + Vector(left, strafeSpeed_);
}

Vector ShipControl::cameraPosition() const
{
    const Vector base(turn_.x() / limits_.steeringRate * cameraSideAtFullTurn,
                      -(turn_.y() / limits_.steeringRate) * cameraLiftAtFullTurn + cameraHeight, 0.0);
    double z = cameraDistance;
    if (speed_ > 0) z += speed_ / limits_.maxForwardSpeed * cameraPullAtFullSpeed;
    if (speed_ < 0) z += speed_ / limits_.maxBackwardSpeed * cameraPushAtFullReverse;
    const double side = strafeSpeed_ / limits_.maxStrafeSpeed * cameraSideAtFullStrafe;
    return base + Vector(side, 0.0, z);
}
