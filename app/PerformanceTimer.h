#pragma once
// PerformanceTimer: a pause-aware clock in seconds on a monotonic counter.
// getElapsed stands still while paused and continues where it stopped;
// getTimeSinceCreation ignores pauses and resets.
// The counter is std::chrono::steady_clock in nanoseconds; tests may give their own.
#include <cstdint>
#include <functional>

class PerformanceTimer {
public:
    using Counter = std::function<std::int64_t()>;

    explicit PerformanceTimer(bool paused, Counter counter = steadyCounter, double frequency = 1e9);

    void reset(bool paused);
    void setPaused(bool paused);
    bool isPaused() const { return paused_; }
    double getElapsed() const;
    // The same in the counter's own units, exactly.
    std::int64_t getElapsedCount() const;
    double getTimeSinceReset() const;
    double getTimeSinceCreation() const;

    static std::int64_t steadyCounter();

private:
    Counter counter_;
    double frequency_;
    std::int64_t startCount_;
    std::int64_t creationCount_;
    std::int64_t pausedCount_ = 0;
    std::int64_t pauseStartCount_ = 0;
    bool paused_ = false;
};
