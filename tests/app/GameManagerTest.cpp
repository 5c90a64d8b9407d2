#include "app/GameManager.h"

#include <gtest/gtest.h>

#include "app/PerformanceTimer.h"

TEST(GameManagerTest, TimerStandsStillWhilePaused)
{
    std::int64_t now = 0;
    PerformanceTimer timer(
        true, [&] { return now; }, 1000.0);
    now = 500;
    EXPECT_EQ(timer.getElapsed(), 0.0);
    EXPECT_EQ(timer.getTimeSinceCreation(), 0.5);
    timer.setPaused(false);
    now = 1500;
    EXPECT_EQ(timer.getElapsed(), 1.0);
    timer.setPaused(true);
    timer.setPaused(true);  // already paused: the pause keeps its start
    now = 4000;
    EXPECT_EQ(timer.getElapsed(), 1.0);
    timer.setPaused(false);
    now = 4250;
    EXPECT_EQ(timer.getElapsed(), 1.25) << "continues where it stopped";

    timer.reset(false);
    now = 4750;
    EXPECT_EQ(timer.getElapsed(), 0.5);
    EXPECT_EQ(timer.getTimeSinceReset(), 0.5);
    EXPECT_EQ(timer.getTimeSinceCreation(), 4.75) << "ignores resets";
}
