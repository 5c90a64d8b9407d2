#pragma once
// Stream: one sound file streamed from disk while it plays (music, long sounds, the engine
// hum), with its own channel and a volume of 0..255. Every Stream opens its own stream; there
// is no sharing. A paused stream resumes where it was; a stopped one, or a piece that has run
// to its end, starts from its beginning on the next play. A looping stream repeats forever.
// Depends on: SoundSystem, GameError.
//
// An unknown name throws GameError "Stream not aviable". A missing or unreadable file is not
// an error: the stream stays silent and every operation still keeps its state.
// Not copyable: it owns its stream.
#include "sound/SoundDevice.h"

#include <string>

// The file in the sound folder that holds the stream `name`; names are compared exactly.
// Throws GameError "Stream not aviable" for any other name.
std::string streamFileName(const std::string& name);

class Stream {
public:
    Stream(const std::string& name, float volume, bool loop);
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    virtual ~Stream();

    virtual void play();
    virtual void pause();
    virtual void stop();
    // Clamped to 0..255; reaches the channel at once if the stream has one.
    virtual void setVolume(float volume);
    virtual float getVolume() const { return volume_; }
    virtual bool isPaused() const { return paused_; }

private:
    int channelVolume() const { return static_cast<int>(volume_ + 0.5f); }

    StreamId handle_;
    ChannelId channel_;
    float volume_;
    bool paused_ = true;
};
