// The target pointer's lead: where a shot fired now meets a moving target.
#include "overlay/TargetPointer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/Expect.h"

namespace {
// The shot and the target reach the lead point at the same moment.
void expectMeeting(const Vector& shooter, const Vector& target, const Vector& velocity, double shotSpeed)
{
    const Vector lead = TargetPointer::leadPoint(shooter, target, velocity, shotSpeed);
    const double targetTime = (lead - target).length() / velocity.length();
    const double shotTime = (lead - shooter).length() / shotSpeed;
    EXPECT_NEAR(targetTime, shotTime, 1e-9 * (1 + shotTime));
    EXPECT_GE((lead - target).dot(velocity), 0.0) << "ahead of the target, never behind it";
}
}  // namespace

TEST(TargetPointerTest, TheShotMeetsTheTargetAtTheLeadPointOrThePointerStaysOnTheTarget)
{
    // Crossing at right angles 30 away at 5, shots at 15: the pointer lies 30 / sqrt(8) ahead.
    const Vector target(0, 0, -30);
    EXPECT_TRUE(near(TargetPointer::leadPoint({0, 0, 0}, target, {5, 0, 0}, 15), {30 / std::sqrt(8.0), 0, -30}));
    // Coming closer at a slant and moving away slower than the shot, from a shooter off the origin.
    for (const Vector& velocity : {Vector(2, 1, 4), Vector(1, -2, -6)})
        expectMeeting({3, -4, 5}, {10, 20, -30}, velocity, 15);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        Vector shooter, velocity;
        double shotSpeed;
    } cases[] = {
        {"flying straight at the shooter", {0, 0, 0}, {0, 0, 5}, 15},
        {"outrunning the shot sideways", {0, 0, 0}, {20, 0, 0}, 15},
        {"faster than the shot, nearly straight away", {0, 0, 0}, {0.1, 0, -20}, 15},
        {"at rest", {0, 0, 0}, {0, 0, 0}, 15},
        {"at the shooter's place", {0, 0, -30}, {5, 0, 0}, 15},
        {"a broken shot speed", {0, 0, 0}, {5, 0, 0}, nan},
    };
    for (const auto& c : cases) {
        const Vector lead = TargetPointer::leadPoint(c.shooter, target, c.velocity, c.shotSpeed);
        EXPECT_TRUE(lead.isFinite()) << c.what;
        EXPECT_TRUE(near(lead, target, 1e-12));
    }
}
