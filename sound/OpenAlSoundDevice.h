#pragma once
// OpenAlSoundDevice: the real mix. OpenAL Soft mixes (in its own thread, or when a loopback
// device is rendered); libsndfile decodes (SoundFile). Every channel is an OpenAL source that
// plays flat stereo at the listener (no 3D placement; mono files are spread to both sides) with
// a gain of volume / 255. A stream keeps a short queue of buffers (about 0.74 s) that a refill
// thread of the device tops up every few milliseconds, so the music plays on while the game's
// main loop stalls for seconds; looping rewinds the file while filling, which leaves no gap.
// One mutex guards all of the device's state, for the game's calls and the thread alike; the
// destructor stops and joins the thread before anything it touches goes.
// Depends on: SoundDevice, SoundFile, OpenAL Soft (AL_SOFT_direct_channels where available,
// ALC_EXT_thread_local_context for the refill thread).
//
// Cannot: share a process with another user of OpenAL's current context (it makes its own
// context current before every call from the game's side). Without thread-local contexts (every
// OpenAL Soft has them) or when the system refuses a thread, only update() refills, which the
// game does not call: the music then stops after its queue. The game's calls come from one
// thread; they may wait briefly while the refill thread decodes a buffer.
#include "sound/SoundDevice.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class SoundFile;

class OpenAlSoundDevice final : public SoundDevice {
public:
    // The named output device, or the system's default for null; the silent device when it
    // cannot be opened or refuses a context.
    static std::unique_ptr<SoundDevice> open(const char* deviceName = nullptr);

    // Mixes on a device that the caller opened (a test's loopback device, say) and owns it from
    // now on, also when this throws. `attributes` is the zero-terminated context attribute list;
    // a loopback device needs its render format and the mixing rate there.
    // Throws GameError when the device gives no context.
    OpenAlSoundDevice(ALCdevice* device, const ALCint* attributes);
    ~OpenAlSoundDevice() override;

    bool isSilent() const override { return false; }

    SampleId loadSample(const std::string& path) override;
    ChannelId playSample(SampleId sample, int volume, EffectPriority priority) override;

    StreamId openStream(const std::string& path, bool loop) override;
    ChannelId playStream(StreamId stream, int volume) override;
    void stopStream(StreamId stream) override;
    void closeStream(StreamId stream) override;

    void setVolume(ChannelId channel, int volume) override;
    void setPaused(ChannelId channel, bool paused) override;
    bool isActive(ChannelId channel) override;

    void update() override;

private:
    static constexpr int streamBufferCount = 4;
    static constexpr std::size_t streamBufferFrames = 8192;
    // Far shorter than the queue, so that a late wake-up of the thread costs nothing audible.
    static constexpr auto refillInterval = std::chrono::milliseconds(20);

    struct Channel {
        ALuint source = 0;
        ChannelId occupant;  // the sound it carries now; empty when free
        StreamId stream;     // the stream that holds it; empty for an effect
        std::uint64_t startOrder = 0;
        EffectPriority priority = EffectPriority::Shot;  // of the effect it carries
        int volume = 0;
    };

    struct OpenStream {
        std::unique_ptr<SoundFile> file;
        bool loop = false;
        std::array<ALuint, streamBufferCount> buffers{};
        ChannelId channel;       // names this play, also while it waits without a source
        bool exhausted = false;  // the file has given its last frame for this play
        // Paused, and its source taken: the buffers it had queued, in order, and how far into
        // the first it had played, so that it goes on from there on another source.
        bool parked = false;
        std::vector<ALuint> parkedQueue;
        ALint parkedOffset = 0;
        int volume = 0;
    };

    // Locks the device for a call from the game's side and makes its context current.
    std::unique_lock<std::mutex> enter();
    void startRefilling();
    void refillUntilStopped();
    void serviceAll();
    Channel* channelOf(ChannelId id);
    OpenStream* streamOf(StreamId id);
    StreamId parkedStreamOf(ChannelId id);
    // A released channel for a new sound (`effect` empty for a stream), or null.
    Channel* takeChannel(std::optional<EffectPriority> effect);
    void occupy(Channel& channel, ChannelId occupant, StreamId stream, int volume);
    void release(Channel& channel);
    void park(Channel& channel, OpenStream& stream);
    void resume(StreamId id, OpenStream& stream);
    std::size_t readStream(OpenStream& stream, std::size_t frames);
    bool fillBuffer(OpenStream& stream, ALuint buffer);
    void serviceStream(OpenStream& stream);
    void rewindStream(OpenStream& stream);

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool directChannels_ = false;
    std::vector<Channel> channels_;
    std::uint64_t starts_ = 0;
    std::map<std::string, SampleId> samplesByPath_;
    std::map<SampleId, ALuint> sampleBuffers_;
    std::map<StreamId, OpenStream> streams_;
    std::vector<std::int16_t> streamFrames_;  // scratch for one stream buffer

    std::mutex mutex_;
    std::condition_variable wake_;  // ends the refill thread's wait early when it must stop
    bool stopping_ = false;
    std::thread refiller_;
};
