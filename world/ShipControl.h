#pragma once
// ShipControl: the flight model of the player's ship frame, free of the scene so that its
// rules can be tested alone. Forward speed follows the thrust keys with separate acceleration
// and cap each way and keeps its value with no key held; strafing follows its keys and falls
// back to zero by itself; the turn rate follows the mouse with a limited rate of change; the
// camera lags behind in a way that shows speed, strafing and turning.
#include "app/Strafing.h"
#include "scene/Vector.h"

struct FlightLimits {
    double maxForwardSpeed = 4.0;
    double maxBackwardSpeed = 0.5;
    double forwardAcceleration = 1.0;
    double backwardAcceleration = 1.0;
    double maxStrafeSpeed = 1.0;
    double strafeAcceleration = 2.0;
    double steeringRate = 90.0;       // degrees per second at the middle of the shorter edge
    double steeringResponse = 360.0;  // degrees per second by which the turn rate may change
};

class ShipControl {
public:
    static constexpr double cameraDistance = 3.0;  // behind the ship at rest

    explicit ShipControl(const FlightLimits& limits);

    // Advances speed, strafe speed and turn rate by dt seconds of held keys.
    void update(double dt, double thrust, Strafing strafing);
    // The turn rate the mouse asks for, from its offset from the window's centre in units of
    // the window's smaller side (right and down positive).
    void aimAt(double steerX, double steerY);

    double speed() const { return speed_; }
    double strafeSpeed() const { return strafeSpeed_; }
    const Vector& turn() const { return turn_; }
    const Vector& targetTurn() const { return targetTurn_; }
    // The frame's velocity for its current forward (-z) and left (-x) directions; none at all
    // while the forward speed is exactly zero.
    Vector velocity(const Vector& forward, const Vector& left) const;
    // Where the camera sits in the frame.
    Vector cameraPosition() const;

private:
    void updateSpeed(double dt, double thrust);
    void updateStrafe(double dt, Strafing strafing);
    void updateTurn(double dt);

    FlightLimits limits_;
    double speed_ = 0.0;
    double strafeSpeed_ = 0.0;
    Vector targetTurn_;
    Vector turn_;
};
