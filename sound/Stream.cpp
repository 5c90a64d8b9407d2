#include "sound/Stream.h"

#include "scene/GameError.h"
#include "sound/SoundSystem.h"

#include <map>

std::string streamFileName(const std::string& name)
{
    static const auto* files = new std::map<std::string, std::string>{
        {"Background", "backmusic1.mp3"},
        {"Background1", "backmusic1.mp3"},
        {"Background2", "backmusic2.mp3"},
        {"Background3", "backmusic3.mp3"},
        {"Menu", "menu.mp3"},
        {"Laser", "laser.wav"},
        {"LaserHit", "laser_hit.wav"},
        {"Engine", "engine.wav"},
        {"Lose", "lose.wav"},
        {"Win", "win.wav"},
        {"Select", "select.wav"},
    };
    auto found = files->find(name);
    if (found == files->end()) throw GameError("Stream not aviable");
    return found->second;
}

Stream::Stream(const std::string& name, float volume, bool loop)
{
    initSound();
    handle_ = SoundSystem::device().openStream(SoundSystem::pathOf(streamFileName(name)), loop);
    volume_ = SoundDevice::clampVolume(volume);
}

Stream::~Stream()
{
    SoundDevice& device = SoundSystem::device();
    device.stopStream(handle_);
    device.closeStream(handle_);
}

void Stream::play()
{
    SoundDevice& device = SoundSystem::device();
    if (device.isActive(channel_)) {
        device.setPaused(channel_, false);
    } else {
        // Never started, stopped, or a piece that has played to its end (a jingle): from the
        // beginning. Resuming a channel that has moved on to another sound would be silent.
        channel_ = device.playStream(handle_, channelVolume());
    }
    paused_ = false;
}

void Stream::pause()
{
    SoundSystem::device().setPaused(channel_, true);
    paused_ = true;
}

void Stream::stop()
{
    SoundSystem::device().stopStream(handle_);
    channel_ = {};
    paused_ = true;
}

void Stream::setVolume(float volume)
{
    volume_ = SoundDevice::clampVolume(volume);
    SoundSystem::device().setVolume(channel_, channelVolume());
}
