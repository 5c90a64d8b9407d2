#include "sound/SoundSystem.h"

#include "sound/OpenAlSoundDevice.h"
#include "sound/SilentSoundDevice.h"

#include <cstdlib>

namespace {
struct State {
    std::unique_ptr<SoundDevice> device = std::make_unique<SilentSoundDevice>();
    bool started = false;
};

// Never destroyed: sound objects that outlive main may still call in during exit.
State& state()
{
    static State* state = new State;
    return *state;
}

// A device left open at exit leaves OpenAL's wave capture with an unfinished header, and some
// sound servers with a dangling client. The sound objects stay, talking to silence.
void closeDeviceAtExit()
{
    state().device = std::make_unique<SilentSoundDevice>();
}
}  // namespace

void initSound()
{
    State& current = state();
    if (current.started) return;
    current.started = true;
    current.device = OpenAlSoundDevice::open();
    if (!current.device->isSilent()) std::atexit(closeDeviceAtExit);
}

SoundDevice& SoundSystem::device()
{
    return *state().device;
}

bool SoundSystem::isStarted()
{
    return state().started;
}

void SoundSystem::update()
{
    state().device->update();
}

std::unique_ptr<SoundDevice> SoundSystem::useDevice(std::unique_ptr<SoundDevice> device)
{
    State& current = state();
    current.started = true;
    if (!device) device = std::make_unique<SilentSoundDevice>();
    current.device.swap(device);
    return device;
}
