// What the counters and the clock show: numbers as text, the model counter's layout, and
// the timer's text, setters and four modes over a run of frames.
#include <gtest/gtest.h>

#include <cmath>

#include "overlay/ModelScreenCounter.h"
#include "overlay/ScreenTimer.h"
#include "scene/DynamicSceneObject.h"

namespace {
// One-pixel glyph cells: enough to lay text out without a font file.
void makeFont() { GlyphSet::fromImage("counter-font", 16, 16, std::vector<unsigned char>(16 * 16 * 3, 255)); }

struct Spinner : DynamicSceneObject {
    void draw() override {}
};

struct CounterTest : ::testing::Test {
    void SetUp() override { makeFont(); }
};

struct TimerTest : ::testing::Test {
    void SetUp() override { makeFont(); }
    // Runs the deferred update at `time`, with the delta since the previous run.
    void at(ScreenTimer& timer, double time)
    {
        timer.calculateLater({time, time - last});
        last = time;
    }
    double last = 0.0;
};
}  // namespace

TEST_F(CounterTest, IntegersAndDoublesShowAsAStreamPrintsThem)
{
    ScreenCounter counter("counter-font", 0);
    EXPECT_EQ(counter.getText(), "0");
    counter.setCount(-42);
    EXPECT_EQ(counter.getText(), "-42");
    counter.setCount(1234567);
    EXPECT_EQ(counter.getText(), "1234567");
    counter.setCount(3.14159265);
    EXPECT_EQ(counter.getText(), "3.14159");
    counter.setCount(100.0);
    EXPECT_EQ(counter.getText(), "100");
    counter.setCount(1234567.0);
    EXPECT_EQ(counter.getText(), "1.23457e+06");
    counter.setCount(0.0001);
    EXPECT_EQ(counter.getText(), "0.0001");
}

TEST_F(CounterTest, TheTextSideSetsTheAlignmentAndPutsTheModelAcross)
{
    Spinner rocket;
    ModelScreenCounter counter(&rocket, 0.04, 1, 32, "counter-font");
    counter.setPosition(0.08, 0.12);
    EXPECT_EQ(counter.getText(), "32");
    EXPECT_EQ(counter.getAlignment(), ScreenTextPoint::Left) << "the number to the right of the anchor";
    EXPECT_NEAR(counter.modelAnchor().x(), 0.04, 1e-12) << "the model modelSize to the left";
    EXPECT_NEAR(counter.modelAnchor().y(), 0.12, 1e-12);

    const int alignments[4] = {ScreenTextPoint::Top, ScreenTextPoint::Left, ScreenTextPoint::Bottom,
                               ScreenTextPoint::Right};
    const Vector offsets[4] = {{0, -0.04, 0}, {-0.04, 0, 0}, {0, 0.04, 0}, {0.04, 0, 0}};
    for (int side = 0; side < 4; ++side) {
        counter.setTextSide(side);
        EXPECT_EQ(counter.getAlignment(), alignments[side]);
        EXPECT_NEAR((counter.modelAnchor() - Vector(0.08, 0.12, 0) - offsets[side]).length(), 0.0, 1e-12);
    }
    counter.setTextSide(7);
    EXPECT_EQ(counter.getTextSide(), 7);
    EXPECT_EQ(counter.getAlignment(), ScreenTextPoint::Right) << "an unknown side keeps the alignment";
    EXPECT_NEAR((counter.modelAnchor() - Vector(0.08, 0.12, 0)).length(), 0.0, 1e-12);
}

TEST_F(CounterTest, TheDeferredUpdateTurnsTheModel)
{
    Spinner rocket;
    rocket.setSpin(90, 0, 0, 1);
    ModelScreenCounter counter(&rocket, 0.04, 3, 0, "counter-font");
    const Vector before = rocket.getRotation().apply(Vector(1, 0, 0));
    counter.calculateLater({1, 1});
    const Vector after = rocket.getRotation().apply(Vector(1, 0, 0));
    EXPECT_NEAR(before.angleToDegrees(after), 90, 1e-9);
    counter.setModel(nullptr);
    counter.calculateLater({2, 1});  // no model: nothing to turn, nothing breaks
}

TEST_F(TimerTest, TheTextLeavesOutEmptyLeadingFields)
{
    EXPECT_EQ(ScreenTimer::format(0), "0");
    EXPECT_EQ(ScreenTimer::format(7), "7");
    EXPECT_EQ(ScreenTimer::format(67), "1:07");
    EXPECT_EQ(ScreenTimer::format(600), "10:00");
    EXPECT_EQ(ScreenTimer::format(2 * 3600 + 5 * 60 + 9), "2:05:09");
    EXPECT_EQ(ScreenTimer::format(3600), "1:00:00");
    EXPECT_EQ(ScreenTimer::format(86399), "23:59:59");
}

TEST_F(TimerTest, SettersKeepATwentyFourHourClock)
{
    ScreenTimer timer("counter-font", 75, 0, 0, ScreenTimer::Still);
    EXPECT_EQ(timer.getText(), "15");
    timer.setMinutes(61);
    timer.setHours(25);
    EXPECT_EQ(timer.getText(), "1:01:15");
    EXPECT_EQ(timer.getTotalSeconds(), 3600u + 60 + 15);
    timer.setSeconds(9);
    EXPECT_EQ(timer.getSeconds(), 9u);
    EXPECT_EQ(timer.getMinutes(), 1u);
    EXPECT_EQ(timer.getHours(), 1u);
    timer.setTotalSeconds(ScreenTimer::secondsPerDay + 5);
    EXPECT_EQ(timer.getText(), "5");

    timer.setTotalSeconds(0);
    timer.decrement();
    EXPECT_EQ(timer.getText(), "23:59:59");
    timer.increment();
    EXPECT_EQ(timer.getTotalSeconds(), 0u);
    ScreenTimer late("counter-font", 59, 59, 23, ScreenTimer::Still);
    EXPECT_EQ(late.getTotalSeconds(), 86399u);
}

TEST_F(TimerTest, CountingTimersStepEveryWholeSecondFromTheirStart)
{
    ScreenTimer up("counter-font", 0, 0, 0, ScreenTimer::CountUp);
    at(up, 10.0);  // the reference
    at(up, 10.5);
    EXPECT_EQ(up.getTotalSeconds(), 0u);
    at(up, 11.0);
    EXPECT_EQ(up.getTotalSeconds(), 1u);
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

    ScreenTimer down("counter-font", 0, 0, 0, ScreenTimer::CountDown);
    last = 0;
    at(down, 0.0);
    at(down, 1.0);
    EXPECT_EQ(down.getText(), "23:59:59");
}

TEST_F(TimerTest, AStillTimerStandsAndTheClockShowsTheStepsWholeSeconds)
{
    ScreenTimer still("counter-font", 5, 0, 0, ScreenTimer::Still);
    at(still, 1.0);
    at(still, 3.0);
    EXPECT_EQ(still.getTotalSeconds(), 5u);

    ScreenTimer clock("counter-font", 0, 0, 0, ScreenTimer::Still);
    clock.setMode(ScreenTimer::Clock);
    last = 59.5;
    at(clock, 59.9);
    EXPECT_EQ(clock.getText(), "0") << "no second began";
    at(clock, 60.2);
    EXPECT_EQ(clock.getText(), "1:00");
    at(clock, 86400.0 + 7.5);
    EXPECT_EQ(clock.getText(), "7") << "past midnight the clock starts again";
    clock.calculateLater({std::nan(""), 1});
    clock.calculateLater({-3.5, 1});
    EXPECT_EQ(clock.getText(), "7") << "no time before the start";

    clock.setMode(ScreenTimer::Still);
    at(clock, 90000.0);
    EXPECT_EQ(clock.getText(), "7");
}
