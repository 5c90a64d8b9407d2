#pragma once
// SoundDevice: the one seam between the game's sound classes and whatever makes the noise.
// It offers what the game needs of a mixer and no more: samples loaded once per file and
// played fire-and-forget on a free channel, streams decoded piece by piece while they play,
// and per channel a volume of 0..255 and pause/resume that keeps the place.
//
// Implementations: OpenAlSoundDevice (the real mix) and SilentSoundDevice (no sound card,
// headless runs). Depends on: the standard library only.
//
// Ids: a device never hands out an id twice, and every id is unique across devices, so an id
// kept after its sound has ended, been stopped or been taken over simply names nothing; all
// calls with such an id, or with the empty id, do nothing. Nothing here throws; a call may wait
// briefly while the device refills a stream on its own thread.
// Limits: `channelCount` channels are mixed at once. When they are all busy, a sound that needs
// one takes it, in this order, from: a paused stream (which keeps its place and gets a channel
// back when it resumes); the effect that matters least, of those that matter no more than the
// newcomer (EffectPriority), and of those the quietest, then the oldest. A new effect that finds
// only more important sounds is dropped. Streams outrank every effect and never give way while
// they play; one that finds no channel at all (every channel a playing stream) stays silent.
#include <compare>
#include <cstdint>
#include <string>

// Names a sample, stream or channel of a SoundDevice; the default value names nothing.
template <class Kind>
struct SoundId {
    std::uint64_t value = 0;

    explicit operator bool() const { return value != 0; }
    auto operator<=>(const SoundId&) const = default;
};

using SampleId = SoundId<struct SampleKind>;
using StreamId = SoundId<struct StreamKind>;
using ChannelId = SoundId<struct ChannelKind>;

// How much an effect matters when the channels run out. Gun shots come ten a second and each
// is soon masked by the next, so they give way first; the ship's own sounds tell the player
// what happens to them and give way last.
enum class EffectPriority { Shot, Event, Ship };

class SoundDevice {
public:
    static constexpr int mixingRate = 44100;
    static constexpr int channelCount = 32;
    // Volumes are whole steps from silent to full, as the game's volume keys think of them.
    static constexpr int fullVolume = 255;

    // Any volume brought into 0..255; NaN, from a broken calculation, counts as silence.
    static float clampVolume(float volume)
    {
        if (!(volume >= 0.0f)) return 0.0f;
        return volume > fullVolume ? static_cast<float>(fullVolume) : volume;
    }

    SoundDevice() = default;
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;
    virtual ~SoundDevice() = default;

    // True for the device that plays nothing.
    virtual bool isSilent() const = 0;

    // Decodes the whole file into memory the first time a path is asked for; later calls with
    // the same path return the same sample without touching the disk, also when the first
    // load failed (then the empty id, which plays nothing).
    virtual SampleId loadSample(const std::string& path) = 0;
    // Starts the sample on a free channel at `volume` (clamped to 0..255). Plays of one sample
    // overlap; each runs to its end unless a sound that matters as much or more needs its channel.
    virtual ChannelId playSample(SampleId sample, int volume, EffectPriority priority) = 0;

    // Opens a file for streaming. A missing or unreadable file gives the empty id.
    virtual StreamId openStream(const std::string& path, bool loop) = 0;
    // A paused stream resumes where it was; a playing one goes on; otherwise (new, stopped or
    // run to its end) it starts from its beginning on a channel of its own, at `volume`.
    // Returns the channel, which the stream keeps until it is stopped or ends.
    virtual ChannelId playStream(StreamId stream, int volume) = 0;
    // Silences the stream and frees its channel; the next play starts from the beginning.
    virtual void stopStream(StreamId stream) = 0;
    virtual void closeStream(StreamId stream) = 0;

    virtual void setVolume(ChannelId channel, int volume) = 0;
    // Pausing keeps the place; resuming goes on from there, also for a stream whose channel
    // was taken while it was paused. Has no effect on a channel whose sound has ended, so a
    // finished effect never plays twice.
    virtual void setPaused(ChannelId channel, bool paused) = 0;
    // True while the channel still carries the sound it was started with (playing or paused).
    virtual bool isActive(ChannelId channel) = 0;

    // Refills the playing streams now and notices the ones that have ended. The real device
    // also does this by itself, on a thread of its own, so that a stalled game loop never
    // gaps the music; the game need not call it. It is for whoever mixes faster than real time
    // (a test rendering a loopback device), which no thread can keep pace with.
    virtual void update() = 0;
};
