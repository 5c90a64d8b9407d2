#include "sound/FadingStream.h"

#include <cmath>

FadingStream::FadingStream(const std::string& name, float volume, bool loop)
    : Stream(name, 0.0f, loop), CalculateAlways(false), targetVolume_(SoundDevice::clampVolume(volume))
{
    setFadeTime(1.0f);
    fadeTo(0.0f, false);
}

void FadingStream::play(bool fade)
{
    Stream::play();
    fadingOut_ = false;
    pendingAction_ = PendingAction::None;
    fadeTo(targetVolume_, fade);
}

void FadingStream::pause(bool fade)
{
    fadingOut_ = true;
    if (adjusting_) stopAdjusting();
    pendingAction_ = PendingAction::Pause;
    fadeTo(0.0f, fade);
}

void FadingStream::stop(bool fade)
{
    fadingOut_ = true;
    if (adjusting_) stopAdjusting();
    pendingAction_ = PendingAction::Stop;
    fadeTo(0.0f, fade);
}

void FadingStream::setTargetVolume(float volume, bool fade)
{
    targetVolume_ = SoundDevice::clampVolume(volume);
    if (fadingOut_) return;
    pendingAction_ = PendingAction::None;
    fadeTo(targetVolume_, fade);
}

void FadingStream::fadeTo(float target, bool fade)
{
    if (adjusting_) {
        // The player's ramp goes on from the new volume toward its own end.
        Stream::setVolume(target);
    } else {
        fadeTarget_ = SoundDevice::clampVolume(target);
    }
    // A change without fading during a ramp must not complete the ramp, which would jump to
    // full volume or silence; the ramp simply continues.
    setEnabled(fade || adjusting_);
    if (!adjusting_ && fadeTime_ != 0.0f) rate_ = (fadeTarget_ - Stream::getVolume()) / fadeTime_;
}

void FadingStream::setFadeTime(float seconds)
{
    fadeTime_ = std::fabs(seconds);
    if (!adjusting_ && fadeTime_ != 0.0f) rate_ = (fadeTarget_ - Stream::getVolume()) / fadeTime_;
}

void FadingStream::setEnabled(bool enabled)
{
    if (enabled) {
        CalculateAlways::setEnabled(true);
        // No fade time: the change is done at once. A ramp runs at its own rate regardless.
        if (fadeTime_ == 0.0f && !adjusting_) setEnabled(false);
        return;
    }
    CalculateAlways::setEnabled(false);
    Stream::setVolume(fadeTarget_);
    if (fadeTarget_ != 0.0f) return;
    if (pendingAction_ == PendingAction::Pause) Stream::pause();
    if (pendingAction_ == PendingAction::Stop) Stream::stop();
}

void FadingStream::calculateAlways(TimeStep step)
{
    const float newVolume = Stream::getVolume() + static_cast<float>(step.delta) * rate_;
    if ((rate_ >= 0.0f && newVolume >= fadeTarget_) || (rate_ < 0.0f && newVolume <= fadeTarget_)) {
        setEnabled(false);
    } else {
        Stream::setVolume(newVolume);
    }
}

void FadingStream::startAdjusting(float rate)
{
    if (rate == 0.0f) return;
    rate_ = rate;
    fadeTarget_ = rate > 0.0f ? static_cast<float>(SoundDevice::fullVolume) : 0.0f;
    adjusting_ = true;
    // Also when a ramp is already on: one that had reached its end must move again.
    setEnabled(true);
}

void FadingStream::stopAdjusting()
{
    if (!adjusting_) return;
    adjusting_ = false;
    setTargetVolume(Stream::getVolume(), true);
}
