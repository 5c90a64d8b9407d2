#pragma once
// ScreenTimer: a text element that shows a time of day on a 24-hour clock, without leading
// zero fields: 7, 1:07, 2:05:09. It counts up or down once per second, stands still, or
// shows the whole seconds of the time step it gets (the game clock). It runs in the
// deferred update, so it stands still while the game is paused.
// Setting the time from outside restarts the current second; a counting timer then steps
// every whole second counted from there, however long the frames are.
#include <cstdint>

#include "overlay/ScreenTextPoint.h"
#include "scene/CalculateLater.h"

class ScreenTimer : public virtual ScreenTextPoint, public virtual CalculateLater {
public:
    enum Mode { CountUp = 0, CountDown = 1, Still = 2, Clock = 3 };

    ScreenTimer(const std::string& fontName, unsigned seconds, unsigned minutes, unsigned hours, int mode);

    // Each setter reduces its value into range: seconds and minutes modulo 60, hours
    // modulo 24, total seconds modulo a day.
    virtual void setSeconds(unsigned seconds);
    virtual void setMinutes(unsigned minutes);
    virtual void setHours(unsigned hours);
    virtual void setTotalSeconds(unsigned totalSeconds);
    virtual void setMode(int mode);
    virtual unsigned getSeconds() const;
    virtual unsigned getMinutes() const;
    virtual unsigned getHours() const;
    virtual unsigned getTotalSeconds() const;
    // One second on or back, wrapping around midnight.
    virtual void increment();
    virtual void decrement();
    int getMode() const { return mode_; }

    void calculateLater(TimeStep step) override;

    // The shown form of a time of day in seconds.
    static std::string format(unsigned totalSeconds);

    static constexpr unsigned secondsPerDay = 86400;

private:
    // Stores the time and its text; a change from outside makes the next update the start of
    // a new second.
    void store(std::uint32_t totalSeconds, bool restartSecond);

    std::uint32_t totalSeconds_ = 0;
    bool rebase_ = false;
    int mode_ = Still;
    double referenceTime_ = 0.0;
};
