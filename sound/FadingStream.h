#pragma once
// FadingStream: a Stream whose volume changes over time, advanced by the real-time pass
// (CalculateAlways), so fades go on while the game is paused. play fades in to the target
// volume, pause and stop first fade out to silence and only then pause or stop the channel,
// setTargetVolume moves smoothly to a new volume, and as an Adjustable it ramps the volume up
// or down while the player holds a key. A fade always takes the fade time (default 1 s),
// whatever the distance; a fade time of 0 makes every change immediate.
// Depends on: Stream, Adjustable, CalculateAlways.
//
// Two volumes: the target volume (what the stream plays at when it is not being faded; what
// getVolume and setVolume mean) and the current volume (what the channel has right now).
// Through the Stream interface play, pause and stop act at once, without fading; setVolume
// fades. While fading out, a new target volume is only stored for the next play.
// Arithmetic is in single precision: a fade is done in the frame in which it reaches or passes
// its target, so it may end up to one frame after the fade time.
#include "scene/CalculateAlways.h"
#include "sound/Adjustable.h"
#include "sound/Stream.h"

class FadingStream : public virtual Stream, public virtual Adjustable, public virtual CalculateAlways {
public:
    FadingStream(const std::string& name, float volume, bool loop);

    virtual void play(bool fade);
    virtual void pause(bool fade);
    virtual void stop(bool fade);
    virtual void setTargetVolume(float volume, bool fade);
    virtual float getFadeTarget() const { return fadeTarget_; }
    virtual float getCurrentVolume() const { return Stream::getVolume(); }
    // The sign is dropped: -2 means 2 seconds. A running fade keeps its target at the new pace.
    virtual void setFadeTime(float seconds);
    virtual float getFadeTime() const { return fadeTime_; }
    // Moves the current volume toward `target`, over the fade time if `fade`, else at once.
    virtual void fadeTo(float target, bool fade);

    void play() override { play(false); }
    void pause() override { pause(false); }
    void stop() override { stop(false); }
    void setVolume(float volume) override { setTargetVolume(volume, true); }
    float getVolume() const override { return targetVolume_; }
    // True from pause or stop until the next play: fading out, paused or stopped.
    bool isPaused() const override { return fadingOut_; }

    void startAdjusting(float rate) override;
    void stopAdjusting() override;
    bool isAdjusting() const override { return adjusting_; }

    void calculateAlways(TimeStep step) override;
    // Enabling runs the volume change; disabling completes it: the fade target is reached at
    // once and a pending pause or stop happens when the target is silence.
    void setEnabled(bool enabled) override;

private:
    enum class PendingAction { None, Pause, Stop };

    float fadeTarget_ = 0.0f;
    float fadeTime_ = 1.0f;
    float rate_ = 0.0f;
    float targetVolume_;
    PendingAction pendingAction_ = PendingAction::None;
    bool adjusting_ = false;
    bool fadingOut_ = true;
};
