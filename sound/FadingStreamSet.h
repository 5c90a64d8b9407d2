#pragma once
// FadingStreamSet: a group of fading streams of which one is current (the background music
// pieces). Play, pause, stop and volume act on the current piece; switching cross-fades to
// another piece and carries the set's volume, fade time and a running volume ramp over to it.
// The set owns its streams. Depends on: FadingStream, Adjustable, GameError.
//
// Empty until streams are added (the game adds its pieces after start-up); play, switchTo
// and switchToRandom on an empty set throw GameError "no streams available", the rest does
// nothing then. With one stream, switching does nothing.
#include "sound/Adjustable.h"
#include "sound/FadingStream.h"

#include <memory>
#include <string>
#include <vector>

class FadingStreamSet : public virtual Adjustable {
public:
    explicit FadingStreamSet(float volume);
    FadingStreamSet(const FadingStreamSet&) = delete;
    FadingStreamSet& operator=(const FadingStreamSet&) = delete;

    // The new stream plays at the set's volume; the first one becomes current.
    virtual void addStream(const std::string& name, bool loop);
    virtual void play(bool fade);
    virtual void pause(bool fade);
    virtual void stop(bool fade);
    // True while the set is empty or its current piece is fading out, paused or stopped.
    virtual bool isPaused() const;
    virtual void setVolume(float volume, bool fade);
    // What the current piece sounds at right now (0 for an empty set); getVolume is the set's
    // volume, which the pieces move to.
    virtual float getCurrentVolume() const;
    virtual void setFadeTime(float seconds);
    virtual float getFadeTime() const { return fadeTime_; }
    // Any piece but the current one, each equally likely.
    virtual void switchToRandom(bool fade);
    // `index` is taken modulo the number of pieces. The current piece fades out and stops
    // while the new one fades in, if the set was playing; switching to the current piece while
    // it plays changes nothing audible.
    virtual void switchTo(unsigned index, bool fade);

    void setVolume(float volume) override { setVolume(volume, true); }
    float getVolume() const override { return volume_; }
    void startAdjusting(float rate) override;
    void stopAdjusting() override;
    bool isAdjusting() const override;

    // -1 while empty.
    int currentIndex() const { return current_; }
    std::size_t size() const { return streams_.size(); }

private:
    FadingStream& currentStream() const { return *streams_[static_cast<std::size_t>(current_)]; }

    int current_ = -1;
    float fadeTime_ = 1.0f;
    float volume_;
    float adjustRate_ = 0.0f;
    std::vector<std::unique_ptr<FadingStream>> streams_;
};
