#include "overlay/ScreenTimer.h"

#include <cmath>

ScreenTimer::ScreenTimer(const std::string& fontName, unsigned seconds, unsigned minutes, unsigned hours, int mode)
    : ScreenTextPoint(fontName, "")
{
    store(0, true);
    setHours(hours);
    setMinutes(minutes);
    setSeconds(seconds);
    setMode(mode);
}

std::string ScreenTimer::format(unsigned totalSeconds)
{
    const unsigned seconds = totalSeconds % 60, minutes = totalSeconds / 60 % 60, hours = totalSeconds / 3600 % 24;
    std::string text;
    if (hours != 0) text += std::to_string(hours) + (minutes < 10 ? ":0" : ":");
    if (hours != 0 || minutes != 0) text += std::to_string(minutes) + (seconds < 10 ? ":0" : ":");
    return text + std::to_string(seconds);
}

void ScreenTimer::store(std::uint32_t totalSeconds, bool restartSecond)
{
    totalSeconds_ = totalSeconds % secondsPerDay;
    setText(format(totalSeconds_));
    if (restartSecond) rebase_ = true;
}

void ScreenTimer::setSeconds(unsigned seconds) { store(totalSeconds_ - getSeconds() + seconds % 60, true); }

void ScreenTimer::setMinutes(unsigned minutes) { store(totalSeconds_ - getMinutes() * 60 + minutes % 60 * 60, true); }

void ScreenTimer::setHours(unsigned hours) { store(totalSeconds_ - getHours() * 3600 + hours % 24 * 3600, true); }

void ScreenTimer::setTotalSeconds(unsigned totalSeconds) { store(totalSeconds % secondsPerDay, true); }

void ScreenTimer::setMode(int mode)
{
    mode_ = mode;
    rebase_ = mode == CountUp || mode == CountDown;
}

unsigned ScreenTimer::getSeconds() const { return totalSeconds_ % 60; }

unsigned ScreenTimer::getMinutes() const { return totalSeconds_ / 60 % 60; }

unsigned ScreenTimer::getHours() const { return totalSeconds_ / 3600 % 24; }

unsigned ScreenTimer::getTotalSeconds() const { return totalSeconds_; }

void ScreenTimer::increment() { store((totalSeconds_ + 1) % secondsPerDay, true); }

void ScreenTimer::decrement() { store((totalSeconds_ + secondsPerDay - 1) % secondsPerDay, true); }

void ScreenTimer::calculateLater(TimeStep step)
{
    if (!std::isfinite(step.time) || !std::isfinite(step.delta)) return;
    if (mode_ == Still) return;
    if (mode_ == Clock) {
        const double now = std::floor(step.time);
        if (now != std::floor(step.time - step.delta) && now >= 0.0)
            store(static_cast<std::uint32_t>(std::fmod(now, secondsPerDay)), false);
        return;
    }
    if (rebase_) {
        rebase_ = false;
        referenceTime_ = step.time;
        return;
    }
    const double since = step.time - referenceTime_;
    const double passed = std::floor(since) - std::floor(since - step.delta);
    if (!(passed > 0.0)) return;
    // Stepping keeps the reference, so the count follows real seconds however long the
    // frames are (a rebase after every step would lose a frame each second).
    const std::uint32_t steps = static_cast<std::uint32_t>(std::fmod(passed, secondsPerDay));
    if (mode_ == CountUp)
        store((totalSeconds_ + steps) % secondsPerDay, false);
    else if (mode_ == CountDown)
        store((totalSeconds_ + secondsPerDay - steps) % secondsPerDay, false);
}
