#include "sound/OpenAlSoundDevice.h"

#include "scene/GameError.h"
#include "sound/SilentSoundDevice.h"
#include "sound/SoundFile.h"

#include <AL/alext.h>

#include <algorithm>
#include <tuple>
#include <system_error>

namespace {
// Ids are counted for the whole process, not per device, so that an id from a device that a
// test has replaced cannot name a sound of its successor.
std::uint64_t nextId()
{
    static std::uint64_t last = 0;
    return ++last;
}

ALint sourceState(ALuint source)
{
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

ALfloat gainOf(int volume)
{
    return static_cast<ALfloat>(std::clamp(volume, 0, SoundDevice::fullVolume)) / SoundDevice::fullVolume;
}
}  // namespace

std::unique_ptr<SoundDevice> OpenAlSoundDevice::open(const char* deviceName)
{
    ALCdevice* device = alcOpenDevice(deviceName);
    if (device == nullptr) return std::make_unique<SilentSoundDevice>();
    const ALCint attributes[] = {ALC_FREQUENCY, mixingRate, 0};
    try {
        return std::make_unique<OpenAlSoundDevice>(device, attributes);
    } catch (const GameError&) {
        return std::make_unique<SilentSoundDevice>();
    }
}

OpenAlSoundDevice::OpenAlSoundDevice(ALCdevice* device, const ALCint* attributes) : device_(device)
{
    context_ = alcCreateContext(device_, attributes);
    if (context_ == nullptr || alcMakeContextCurrent(context_) != ALC_TRUE) {
        if (context_ != nullptr) alcDestroyContext(context_);
        alcCloseDevice(device_);
        throw GameError("Sound device gives no context");
    }
    directChannels_ = alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    alGetError();
    for (int i = 0; i < channelCount; ++i) {
        Channel channel;
        alGenSources(1, &channel.source);
        if (alGetError() != AL_NO_ERROR) break;
        // Flat stereo at the listener: the game's sounds are not placed in space.
        alSourcei(channel.source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(channel.source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(channel.source, AL_ROLLOFF_FACTOR, 0.0f);
        if (directChannels_) alSourcei(channel.source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        channels_.push_back(channel);
    }
    streamFrames_.resize(streamBufferFrames * SoundFile::outputChannels);
    startRefilling();
}

// Joining first: the thread may be in the middle of a refill, and everything below is what it
// works on. The thread never waits for anything but the mutex, which no caller holds here, so
// this also finishes when the process ends through exit() from inside a GLUT callback (the
// sound system closes its device from an atexit handler).
OpenAlSoundDevice::~OpenAlSoundDevice()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (refiller_.joinable()) refiller_.join();
    alcMakeContextCurrent(context_);
    for (Channel& channel : channels_) {
        alSourceStop(channel.source);
        alSourcei(channel.source, AL_BUFFER, 0);
        alDeleteSources(1, &channel.source);
    }
    for (auto& [id, stream] : streams_) alDeleteBuffers(streamBufferCount, stream.buffers.data());
    for (auto& [id, buffer] : sampleBuffers_) alDeleteBuffers(1, &buffer);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
}

std::unique_lock<std::mutex> OpenAlSoundDevice::enter()
{
    std::unique_lock lock(mutex_);
    if (alcGetCurrentContext() != context_) alcMakeContextCurrent(context_);
    return lock;
}

// The thread gets the context as its own (thread-local), so that the game's thread may make
// another device's context current meanwhile, as the tests do with a loopback device.
void OpenAlSoundDevice::startRefilling()
{
    auto setThreadContext =
        reinterpret_cast<PFNALCSETTHREADCONTEXTPROC>(alcGetProcAddress(device_, "alcSetThreadContext"));
    if (setThreadContext == nullptr || alcIsExtensionPresent(device_, "ALC_EXT_thread_local_context") != ALC_TRUE) {
        return;
    }
    try {
        refiller_ = std::thread([this, setThreadContext] {
            setThreadContext(context_);
            refillUntilStopped();
            setThreadContext(nullptr);
        });
    } catch (const std::system_error&) {
        // No thread to be had: the sound goes on as far as update() is called; nothing else breaks.
    }
}

void OpenAlSoundDevice::refillUntilStopped()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        serviceAll();
        wake_.wait_for(lock, refillInterval);
    }
}

void OpenAlSoundDevice::serviceAll()
{
    for (auto& [id, stream] : streams_) serviceStream(stream);
}

OpenAlSoundDevice::Channel* OpenAlSoundDevice::channelOf(ChannelId id)
{
    if (!id) return nullptr;
    auto found = std::find_if(channels_.begin(), channels_.end(),
                              [id](const Channel& channel) { return channel.occupant == id; });
    return found == channels_.end() ? nullptr : &*found;
}

OpenAlSoundDevice::OpenStream* OpenAlSoundDevice::streamOf(StreamId id)
{
    auto found = streams_.find(id);
    return found == streams_.end() ? nullptr : &found->second;
}

StreamId OpenAlSoundDevice::parkedStreamOf(ChannelId id)
{
    if (!id) return {};
    for (auto& [streamId, stream] : streams_) {
        if (stream.parked && stream.channel == id) return streamId;
    }
    return {};
}

// What is not playing goes first: a free channel or a finished effect, then a paused stream,
// which is parked to go on later. Only then is a playing effect cut: the one that matters least,
// of those that matter no more than the newcomer (a stream outranks them all), and of those the
// quietest and then the oldest, since in a fight the newest shot matters most. A burst of
// gunfire thus never cuts an explosion, and playing streams never give way: that would cut the
// music.
OpenAlSoundDevice::Channel* OpenAlSoundDevice::takeChannel(std::optional<EffectPriority> effect)
{
    for (Channel& channel : channels_) {
        const ALint state = sourceState(channel.source);
        if (!channel.stream && state != AL_PLAYING && state != AL_PAUSED) {
            release(channel);
            return &channel;
        }
    }
    for (Channel& channel : channels_) {
        OpenStream* stream = streamOf(channel.stream);
        if (stream != nullptr && sourceState(channel.source) == AL_PAUSED) {
            park(channel, *stream);
            return &channel;
        }
    }
    Channel* taken = nullptr;
    for (Channel& channel : channels_) {
        if (channel.stream || (effect && channel.priority > *effect)) continue;
        if (taken == nullptr || std::tie(channel.priority, channel.volume, channel.startOrder) <
                                    std::tie(taken->priority, taken->volume, taken->startOrder)) {
            taken = &channel;
        }
    }
    if (taken != nullptr) release(*taken);
    return taken;
}

void OpenAlSoundDevice::occupy(Channel& channel, ChannelId occupant, StreamId stream, int volume)
{
    channel.occupant = occupant;
    channel.stream = stream;
    channel.startOrder = ++starts_;
    channel.volume = std::clamp(volume, 0, fullVolume);
    alSourcef(channel.source, AL_GAIN, gainOf(volume));
}

void OpenAlSoundDevice::release(Channel& channel)
{
    alSourceStop(channel.source);
    alSourcei(channel.source, AL_BUFFER, 0);  // also empties a stream's queue
    channel.occupant = {};
    channel.stream = {};
}

// A stopped source counts all its buffers as played, so they come off in queue order; the
// offset, read before, is into the first of them, the played ones having been refilled.
void OpenAlSoundDevice::park(Channel& channel, OpenStream& stream)
{
    serviceStream(stream);
    ALint offset = 0;
    alGetSourcei(channel.source, AL_SAMPLE_OFFSET, &offset);
    alSourceStop(channel.source);
    ALint queued = 0;
    alGetSourcei(channel.source, AL_BUFFERS_QUEUED, &queued);
    stream.parkedQueue.resize(static_cast<std::size_t>(std::max(queued, 0)));
    if (queued > 0) alSourceUnqueueBuffers(channel.source, queued, stream.parkedQueue.data());
    stream.parkedOffset = offset;
    stream.parked = true;
    stream.volume = channel.volume;
    release(channel);
}

// Without a channel to be had (every one a playing stream) the stream stays parked and silent;
// the next play or resume tries again.
void OpenAlSoundDevice::resume(StreamId id, OpenStream& stream)
{
    Channel* channel = takeChannel(std::nullopt);
    if (channel == nullptr) return;
    occupy(*channel, stream.channel, id, stream.volume);
    alSourceQueueBuffers(channel->source, static_cast<ALsizei>(stream.parkedQueue.size()), stream.parkedQueue.data());
    alSourcei(channel->source, AL_SAMPLE_OFFSET, stream.parkedOffset);
    alSourcePlay(channel->source);
    stream.parked = false;
    stream.parkedQueue.clear();
}

SampleId OpenAlSoundDevice::loadSample(const std::string& path)
{
    const auto lock = enter();
    auto cached = samplesByPath_.find(path);
    if (cached != samplesByPath_.end()) return cached->second;

    SampleId id;
    SoundFile file(path);
    const std::vector<std::int16_t> frames = file.readAll();
    if (!frames.empty()) {
        alGetError();
        ALuint buffer = 0;
        alGenBuffers(1, &buffer);
        alBufferData(buffer, AL_FORMAT_STEREO16, frames.data(),
                     static_cast<ALsizei>(frames.size() * sizeof(std::int16_t)), file.sampleRate());
        if (alGetError() == AL_NO_ERROR) {
            id = SampleId{nextId()};
            sampleBuffers_[id] = buffer;
        } else {
            alDeleteBuffers(1, &buffer);
        }
    }
    // A failure is remembered too: firing a weapon must never touch the disk.
    samplesByPath_[path] = id;
    return id;
}

ChannelId OpenAlSoundDevice::playSample(SampleId sample, int volume, EffectPriority priority)
{
    const auto lock = enter();
    auto buffer = sampleBuffers_.find(sample);
    if (buffer == sampleBuffers_.end()) return {};
    Channel* channel = takeChannel(priority);
    if (channel == nullptr) return {};
    occupy(*channel, ChannelId{nextId()}, {}, volume);
    channel->priority = priority;
    alSourcei(channel->source, AL_BUFFER, static_cast<ALint>(buffer->second));
    alSourcePlay(channel->source);
    return channel->occupant;
}

StreamId OpenAlSoundDevice::openStream(const std::string& path, bool loop)
{
    auto file = std::make_unique<SoundFile>(path);
    if (!file->isOpen()) return {};
    const auto lock = enter();
    alGetError();
    OpenStream stream;
    alGenBuffers(streamBufferCount, stream.buffers.data());
    if (alGetError() != AL_NO_ERROR) return {};
    stream.file = std::move(file);
    stream.loop = loop;
    const StreamId id{nextId()};
    streams_.emplace(id, std::move(stream));
    return id;
}

ChannelId OpenAlSoundDevice::playStream(StreamId id, int volume)
{
    const auto lock = enter();
    OpenStream* stream = streamOf(id);
    if (stream == nullptr) return {};
    serviceStream(*stream);  // a piece that has just ended starts again from the beginning
    if (stream->parked) {
        stream->volume = std::clamp(volume, 0, fullVolume);
        resume(id, *stream);
        return stream->channel;
    }
    if (Channel* channel = channelOf(stream->channel)) {
        alSourcef(channel->source, AL_GAIN, gainOf(volume));
        channel->volume = std::clamp(volume, 0, fullVolume);
        if (sourceState(channel->source) == AL_PAUSED) alSourcePlay(channel->source);
        return stream->channel;
    }
    Channel* channel = takeChannel(std::nullopt);
    if (channel == nullptr) return {};
    occupy(*channel, ChannelId{nextId()}, id, volume);
    stream->channel = channel->occupant;
    stream->exhausted = false;
    for (ALuint buffer : stream->buffers) {
        if (!fillBuffer(*stream, buffer)) break;
        alSourceQueueBuffers(channel->source, 1, &buffer);
    }
    alSourcePlay(channel->source);
    return stream->channel;
}

void OpenAlSoundDevice::stopStream(StreamId id)
{
    const auto lock = enter();
    OpenStream* stream = streamOf(id);
    if (stream == nullptr) return;
    rewindStream(*stream);
}

void OpenAlSoundDevice::closeStream(StreamId id)
{
    const auto lock = enter();
    OpenStream* stream = streamOf(id);
    if (stream == nullptr) return;
    rewindStream(*stream);
    alDeleteBuffers(streamBufferCount, stream->buffers.data());
    streams_.erase(id);
}

void OpenAlSoundDevice::setVolume(ChannelId id, int volume)
{
    const auto lock = enter();
    if (Channel* channel = channelOf(id)) {
        alSourcef(channel->source, AL_GAIN, gainOf(volume));
        channel->volume = std::clamp(volume, 0, fullVolume);
    } else if (OpenStream* stream = streamOf(parkedStreamOf(id))) {
        stream->volume = std::clamp(volume, 0, fullVolume);
    }
}

void OpenAlSoundDevice::setPaused(ChannelId id, bool paused)
{
    const auto lock = enter();
    Channel* channel = channelOf(id);
    if (channel == nullptr) {
        const StreamId parked = parkedStreamOf(id);
        if (!paused && parked) resume(parked, *streamOf(parked));
        return;
    }
    // A stream that ran dry since the last refill must be running again before it can pause,
    // or the next refill would restart it behind the game's back.
    if (OpenStream* stream = streamOf(channel->stream)) {
        serviceStream(*stream);
        channel = channelOf(id);
        if (channel == nullptr) return;
    }
    const ALint state = sourceState(channel->source);
    if (paused && state == AL_PLAYING) alSourcePause(channel->source);
    if (!paused && state == AL_PAUSED) alSourcePlay(channel->source);
}

bool OpenAlSoundDevice::isActive(ChannelId id)
{
    const auto lock = enter();
    Channel* channel = channelOf(id);
    if (channel == nullptr) return static_cast<bool>(parkedStreamOf(id));
    if (OpenStream* stream = streamOf(channel->stream)) {
        serviceStream(*stream);
        return channelOf(id) != nullptr;
    }
    const ALint state = sourceState(channel->source);
    return state == AL_PLAYING || state == AL_PAUSED;
}

void OpenAlSoundDevice::update()
{
    const auto lock = enter();
    serviceAll();
}

// Fills up to `frames` frames of the scratch buffer. A looping stream rewinds at its end and
// goes on filling, so the wrap falls inside a buffer and leaves no gap; a file that gives
// nothing even right after rewinding ends the play instead of spinning.
std::size_t OpenAlSoundDevice::readStream(OpenStream& stream, std::size_t frames)
{
    std::size_t total = 0;
    bool justRewound = false;
    while (total < frames && !stream.exhausted) {
        const std::size_t got =
            stream.file->read(streamFrames_.data() + total * SoundFile::outputChannels, frames - total);
        if (got > 0) {
            total += got;
            justRewound = false;
        } else if (stream.loop && !justRewound && stream.file->rewind()) {
            justRewound = true;
        } else {
            stream.exhausted = true;
        }
    }
    return total;
}

bool OpenAlSoundDevice::fillBuffer(OpenStream& stream, ALuint buffer)
{
    const std::size_t frames = readStream(stream, streamBufferFrames);
    if (frames == 0) return false;
    alBufferData(buffer, AL_FORMAT_STEREO16, streamFrames_.data(),
                 static_cast<ALsizei>(frames * SoundFile::outputChannels * sizeof(std::int16_t)),
                 stream.file->sampleRate());
    return true;
}

// Refills what the source has played. A source that stopped with buffers still queued ran dry
// (the refill came too late) and plays on; one that stopped with nothing left has reached the
// end of the piece, which gives its channel back and rewinds it for the next play.
void OpenAlSoundDevice::serviceStream(OpenStream& stream)
{
    Channel* channel = channelOf(stream.channel);
    if (channel == nullptr) return;
    const ALint state = sourceState(channel->source);
    ALint processed = 0;
    alGetSourcei(channel->source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(channel->source, 1, &buffer);
        if (fillBuffer(stream, buffer)) alSourceQueueBuffers(channel->source, 1, &buffer);
    }
    if (state != AL_STOPPED) return;
    ALint queued = 0;
    alGetSourcei(channel->source, AL_BUFFERS_QUEUED, &queued);
    if (queued > 0) {
        alSourcePlay(channel->source);
    } else {
        rewindStream(stream);
    }
}

void OpenAlSoundDevice::rewindStream(OpenStream& stream)
{
    if (Channel* channel = channelOf(stream.channel)) release(*channel);
    stream.channel = {};
    stream.exhausted = false;
    stream.parked = false;
    stream.parkedQueue.clear();
    stream.file->rewind();
}
