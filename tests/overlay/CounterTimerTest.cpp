// What the counters and the clock show, over a run of frames.
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/ModelScreenCounter.h"
#include "overlay/ScreenTimer.h"
#include "scene/DynamicSceneObject.h"

namespace {
struct Spinner : DynamicSceneObject {
    void draw() override {}
};

struct CounterTest : ::testing::Test {
    // One-pixel glyph cells: enough to lay text out without a font file.
    void SetUp() override { GlyphSet::fromImage("digits", 16, 16, std::vector<unsigned char>(16 * 16 * 3, 255)); }
    // Runs the timer's deferred update at `time`, with the delta since the previous run.
    void at(ScreenTimer& timer, double time)
    {
        timer.calculateLater({time, time - last});
        last = time;
    }
    double last = 0.0;
};
}  // namespace

TEST_F(CounterTest, TheTextSideSetsTheAlignmentAndPlacesTheModel)
{
    Spinner rocket;
    ModelScreenCounter counter(&rocket, 0.04, 1, 32, "digits");
    counter.setPosition(0.08, 0.12);
    EXPECT_EQ(counter.getText(), "32");
    const int alignments[4] = {ScreenTextPoint::Top, ScreenTextPoint::Left, ScreenTextPoint::Bottom,
                               ScreenTextPoint::Right};
    const Vector offsets[4] = {{0, -0.04, 0}, {-0.04, 0, 0}, {0, 0.04, 0}, {0.04, 0, 0}};
    for (int side = 0; side < 4; ++side) {
        counter.setTextSide(side);
        EXPECT_EQ(counter.getAlignment(), alignments[side]);
        EXPECT_NEAR((counter.modelAnchor() - Vector(0.08, 0.12, 0) - offsets[side]).length(), 0.0, 1e-12);
    }
    rocket.setSpin(90, 0, 0, 1);
    counter.calculateLater({1, 1});  // the deferred update turns the model
    EXPECT_NEAR(Vector(1, 0, 0).angleToDegrees(rocket.getRotation().apply(Vector(1, 0, 0))), 90, 1e-9);
}

TEST_F(CounterTest, TheTimerKeepsATwentyFourHourClockWithoutEmptyLeadingFields)
{
    const std::pair<unsigned, const char*> shown[] = {{7, "7"}, {67, "1:07"}, {2 * 3600 + 5 * 60 + 9, "2:05:09"}};
    for (const auto& [seconds, text] : shown) EXPECT_EQ(ScreenTimer::format(seconds), text);

    ScreenTimer timer("digits", 75, 0, 0, ScreenTimer::Still);
    EXPECT_EQ(timer.getText(), "15");
    timer.setMinutes(61);
    timer.setHours(25);
    EXPECT_EQ(timer.getText(), "1:01:15");
    timer.setTotalSeconds(ScreenTimer::secondsPerDay + 5);
    EXPECT_EQ(timer.getText(), "5");
    timer.setTotalSeconds(0);
    timer.decrement();
    EXPECT_EQ(timer.getText(), "23:59:59");
}

TEST_F(CounterTest, CountingTimersStepEveryWholeSecondFromTheirStartAndTheClockShowsTheTime)
{
    ScreenTimer up("digits", 0, 0, 0, ScreenTimer::CountUp);
    at(up, 10.0);  // the reference
    at(up, 10.5);
    EXPECT_EQ(up.getTotalSeconds(), 0u);
    at(up, 11.0);
    at(up, 11.7);
    at(up, 12.0);
    EXPECT_EQ(up.getTotalSeconds(), 2u) << "steps keep to real seconds";
    at(up, 15.25);  // a long frame passes three seconds
    EXPECT_EQ(up.getText(), "5");
    up.setTotalSeconds(100);  // a change from outside restarts the second
    at(up, 15.5);
    at(up, 16.25);
    EXPECT_EQ(up.getTotalSeconds(), 100u);
    at(up, 16.5);
    EXPECT_EQ(up.getTotalSeconds(), 101u);

    ScreenTimer down("digits", 0, 0, 0, ScreenTimer::CountDown);
    at(down, 17.0);
    at(down, 18.0);
    EXPECT_EQ(down.getText(), "23:59:59");

    // A still timer stands; the clock shows the step's whole seconds.
    ScreenTimer clock("digits", 5, 0, 0, ScreenTimer::Still);
    last = 59.5;
    at(clock, 61.0);
    EXPECT_EQ(clock.getText(), "5");
    clock.setMode(ScreenTimer::Clock);
    at(clock, 61.9);
    EXPECT_EQ(clock.getText(), "5") << "no second began";
    at(clock, 62.2);
    EXPECT_EQ(clock.getText(), "1:02");
    at(clock, 86400.0 + 7.5);
    EXPECT_EQ(clock.getText(), "7") << "past midnight the clock starts again";
}
