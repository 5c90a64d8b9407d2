#include "world/ShipControl.h"

#include <gtest/gtest.h>

#include "app/Pointer.h"

namespace {
void fly(ShipControl& control, double seconds, double thrust, Strafing strafing = NoStrafing)
{
    for (int frame = 0; frame < seconds * 100; ++frame) control.update(0.01, thrust, strafing);
}
}  // namespace

TEST(ShipControlTest, SpeedAndStrafingFollowTheKeysUpToTheirCaps)
{
    struct Step {
        const char* what;
        double seconds, thrust;
        Strafing strafing;
        double speed, strafeSpeed;
    };
    const Step steps[] = {
        {"forward, strafing up to its cap", 2, 1.0, StrafeLeft, 2.0, 1.0},
        {"strafing falls back", 0.25, 1.0, NoStrafing, 2.25, 0.5},
        {"capped forward; strafing stops at zero, not beyond", 3, 1.0, NoStrafing, 4.0, 0.0},
        {"no key: the speed stays", 1, 0.0, StrafeRight, 4.0, -1.0},
    };
    ShipControl control{FlightLimits{}};
    fly(control, 1, 0.0, StrafeLeft);
    EXPECT_TRUE(control.velocity({0, 0, -1}, {-1, 0, 0}).isZero()) << "at speed 0 the frame does not move";
    for (const Step& step : steps) {
        fly(control, step.seconds, step.thrust, step.strafing);
        EXPECT_NEAR(control.speed(), step.speed, 1e-9) << step.what;
        EXPECT_NEAR(control.strafeSpeed(), step.strafeSpeed, 1e-9) << step.what;
    }
    const Vector v = control.velocity({0, 0, -1}, {-1, 0, 0});
    EXPECT_NEAR(v.z(), -4.0, 1e-9);
    EXPECT_NEAR(v.x(), 1.0, 1e-9) << "negative strafe speed moves right";
    fly(control, 7, -1.0);
    EXPECT_DOUBLE_EQ(control.speed(), -0.5) << "capped backward";
}

TEST(ShipControlTest, TurnRateFollowsTheMouseWithLimitedResponse)
{
    ShipControl control{FlightLimits{}};
    const auto aimAt = [&](int x, int y, int width, int height) {
        const Pointer pointer = Pointer::inWindow(x, y, width, height);
        control.aimAt(pointer.steerX(), pointer.steerY());
    };
    aimAt(800, 600, 800, 600);  // the window corner
    EXPECT_NEAR(control.targetTurn().x(), 4.0 / 3.0 * 90, 1e-9);
    EXPECT_NEAR(control.targetTurn().y(), 90, 1e-9);
    aimAt(400, 300, 800, 600);
    EXPECT_TRUE(control.targetTurn().isZero()) << "the centre asks for no turn";
    aimAt(5000, -20, 800, 600);
    EXPECT_NEAR(control.targetTurn().x(), 120, 1e-9) << "clamped to the window";
    EXPECT_NEAR(control.targetTurn().y(), -90, 1e-9);
    aimAt(1280, 360, 1280, 720);
    EXPECT_NEAR(control.targetTurn().x(), 160, 1e-9) << "the smaller side is the unit, whichever it is";
    aimAt(360, 1280, 720, 1280);
    EXPECT_NEAR(control.targetTurn().y(), 160, 1e-9);

    aimAt(400, 0, 800, 600);  // straight up: (0, -90)
    control.update(0.1, 0, NoStrafing);
    EXPECT_NEAR(control.turn().y(), -36, 1e-9) << "360 degrees per second of response";
    control.update(0.2, 0, NoStrafing);
    EXPECT_NEAR(control.turn().y(), -90, 1e-9);
    aimAt(0, 0, 0, 0);  // a minimised window: no division by zero
    EXPECT_TRUE(control.targetTurn().isFinite());
}

TEST(ShipControlTest, CameraLagsBehindSpeedStrafeAndTurn)
{
    ShipControl control{FlightLimits{}};
    EXPECT_NEAR(control.cameraPosition().z(), 3.0, 1e-12);
    EXPECT_NEAR(control.cameraPosition().y(), 0.425, 1e-12);
    fly(control, 4, 1.0, StrafeLeft);
    EXPECT_NEAR(control.cameraPosition().z(), 4.0, 1e-9);
    EXPECT_NEAR(control.cameraPosition().x(), 0.5, 1e-9);
    fly(control, 10, -1.0);
    EXPECT_NEAR(control.cameraPosition().z(), 2.875, 1e-9);
}
