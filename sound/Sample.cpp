#include "sound/Sample.h"

#include "scene/GameError.h"
#include "sound/SoundSystem.h"

#include <map>

namespace {
struct Effect {
    std::string file;
    EffectPriority priority;
};

const Effect& effectNamed(const std::string& name)
{
    using enum EffectPriority;
    // "Explosion2" and "Explosion3" really do play each other's numbered file.
    static const auto* effects = new std::map<std::string, Effect>{
        {"Explosion", {"explosion1.wav", Event}},   {"Explosion1", {"explosion1.wav", Event}},
        {"Explosion2", {"explosion3.wav", Ship}},   {"Explosion3", {"explosion2.wav", Ship}},
        {"Laser", {"laser.wav", Event}},            {"LaserHit", {"laser_hit.wav", Event}},
        {"Rocket", {"rocket.wav", Event}},          {"RocketError", {"rocket_error.wav", Event}},
        {"Projectile", {"boom.wav", Shot}},         {"Engine", {"engine.wav", Ship}},
        {"Select", {"select.wav", Event}},
    };
    auto found = effects->find(name);
    if (found == effects->end()) throw GameError("Sample not aviable");
    return found->second;
}
}  // namespace

std::string sampleFileName(const std::string& name)
{
    return effectNamed(name).file;
}

EffectPriority samplePriority(const std::string& name)
{
    return effectNamed(name).priority;
}

Sample::Sample(const std::string& name, float volume)
{
    initSound();
    // The device keeps one loaded sound per path, so samples of one file share it.
    handle_ = SoundSystem::device().loadSample(SoundSystem::pathOf(sampleFileName(name)));
    volume_ = SoundDevice::clampVolume(volume);
    priority_ = samplePriority(name);
}

void Sample::play() const
{
    SoundSystem::device().playSample(handle_, static_cast<int>(volume_ + 0.5f), priority_);
}
