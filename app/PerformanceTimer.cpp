#include "app/PerformanceTimer.h"

#include <chrono>

PerformanceTimer::PerformanceTimer(bool paused, Counter counter, double frequency)
    : counter_(std::move(counter)), frequency_(frequency), startCount_(counter_()), creationCount_(startCount_)
{
    if (paused) setPaused(true);
}

void PerformanceTimer::reset(bool paused)
{
    startCount_ = counter_();
    pausedCount_ = 0;
    paused_ = paused;
    if (paused) pauseStartCount_ = startCount_;
}

void PerformanceTimer::setPaused(bool paused)
{
    if (paused == paused_) return;
    const std::int64_t now = counter_();
    if (paused)
        pauseStartCount_ = now;
    else
        pausedCount_ += now - pauseStartCount_;
    paused_ = paused;
}

double PerformanceTimer::getElapsed() const { return static_cast<double>(getElapsedCount()) / frequency_; }

std::int64_t PerformanceTimer::getElapsedCount() const
{
    const std::int64_t now = counter_();
    const std::int64_t currentPause = paused_ ? now - pauseStartCount_ : 0;
    return now - startCount_ - pausedCount_ - currentPause;
}

double PerformanceTimer::getTimeSinceReset() const
{
    return static_cast<double>(counter_() - startCount_) / frequency_;
}

double PerformanceTimer::getTimeSinceCreation() const
{
    return static_cast<double>(counter_() - creationCount_) / frequency_;
}

std::int64_t PerformanceTimer::steadyCounter()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
