#include "sound/FadingStreamSet.h"

#include "scene/GameError.h"

#include <random>

namespace {
constexpr const char* emptySetMessage = "no streams available";

int randomIndexBelow(int count)
{
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, count - 1)(generator);
}
}  // namespace

FadingStreamSet::FadingStreamSet(float volume) : volume_(volume) {}

void FadingStreamSet::addStream(const std::string& name, bool loop)
{
    streams_.push_back(std::make_unique<FadingStream>(name, volume_, loop));
    if (streams_.size() == 1) {
        current_ = 0;
        currentStream().setFadeTime(fadeTime_);
    }
}

void FadingStreamSet::play(bool fade)
{
    if (current_ < 0) throw GameError(emptySetMessage);
    currentStream().play(fade);
}

void FadingStreamSet::pause(bool fade)
{
    if (current_ < 0) return;
    currentStream().pause(fade);
    volume_ = currentStream().getVolume();
}

void FadingStreamSet::stop(bool fade)
{
    if (current_ < 0) return;
    currentStream().stop(fade);
    volume_ = currentStream().getVolume();
}

bool FadingStreamSet::isPaused() const
{
    return current_ < 0 || currentStream().isPaused();
}

void FadingStreamSet::setVolume(float volume, bool fade)
{
    volume_ = volume;
    if (current_ >= 0) currentStream().setTargetVolume(volume, fade);
}

float FadingStreamSet::getCurrentVolume() const
{
    return current_ < 0 ? 0.0f : currentStream().getCurrentVolume();
}

void FadingStreamSet::setFadeTime(float seconds)
{
    fadeTime_ = seconds;
    if (current_ >= 0) currentStream().setFadeTime(seconds);
}

void FadingStreamSet::startAdjusting(float rate)
{
    if (current_ < 0) return;
    currentStream().startAdjusting(rate);
    adjustRate_ = rate;
}

void FadingStreamSet::stopAdjusting()
{
    if (current_ < 0) return;
    currentStream().stopAdjusting();
    volume_ = currentStream().getVolume();
}

bool FadingStreamSet::isAdjusting() const
{
    return current_ >= 0 && currentStream().isAdjusting();
}

void FadingStreamSet::switchToRandom(bool fade)
{
    if (current_ < 0) throw GameError(emptySetMessage);
    const int count = static_cast<int>(streams_.size());
    if (count == 1) return;
    const int drawn = randomIndexBelow(count - 1);
    switchTo(static_cast<unsigned>(drawn < current_ ? drawn : drawn + 1), fade);
}

void FadingStreamSet::switchTo(unsigned index, bool fade)
{
    if (current_ < 0) throw GameError(emptySetMessage);
    if (streams_.size() == 1) return;
    const bool wasAdjusting = currentStream().isAdjusting();
    const bool wasPaused = currentStream().isPaused();
    // Stopping settles a running ramp, so volume_ is the volume the player has reached.
    stop(fade);
    current_ = static_cast<int>(index % streams_.size());
    FadingStream& next = currentStream();
    next.setTargetVolume(volume_, true);
    next.setFadeTime(fadeTime_);
    if (wasAdjusting) next.startAdjusting(adjustRate_);
    if (!wasPaused) play(fade);
}
