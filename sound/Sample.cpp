#include "sound/Sample.h"

#include "scene/GameError.h"
#include "sound/SoundSystem.h"

#include <map>

std::string sampleFileName(const std::string& name)
{
    // "Explosion2" and "Explosion3" really do play each other's numbered file.
    static const auto* files = new std::map<std::string, std::string>{
        {"Explosion", "explosion1.wav"},  {"Explosion1", "explosion1.wav"},
        {"Explosion2", "explosion3.wav"}, {"Explosion3", "explosion2.wav"},
        {"Laser", "laser.wav"},           {"LaserHit", "laser_hit.wav"},
        {"Rocket", "rocket.wav"},         {"RocketError", "rocket_error.wav"},
        {"Projectile", "boom.wav"},       {"Engine", "engine.wav"},
        {"Select", "select.wav"},
    };
    auto found = files->find(name);
    if (found == files->end()) throw GameError("Sample not aviable");
    return found->second;
}

Sample::Sample(const std::string& name, float volume)
{
    initSound();
    // The device keeps one loaded sound per path, so samples of one file share it.
    handle_ = SoundSystem::device().loadSample(SoundSystem::pathOf(sampleFileName(name)));
    volume_ = SoundDevice::clampVolume(volume);
}

void Sample::play() const
{
    SoundSystem::device().playSample(handle_, static_cast<int>(volume_ + 0.5f));
}
