#pragma once
// SoundSystem: the process's one sound device and the folder the sound files live in.
// initSound() starts it once, on the system's default output; without one the game runs
// silent, every sound call a harmless no-op. The game's main loop calls SoundSystem::update()
// once per frame so that music keeps flowing (there is no sound thread of ours).
// Depends on: SoundDevice, OpenAlSoundDevice, SilentSoundDevice.
//
// Safe to use from static constructors in any file (the state is a function-local static that
// is never destroyed). The real device is closed when the process exits, which also completes
// a capture file of OpenAL's wave backend. Not thread-safe: the game has one thread.
#include "sound/SoundDevice.h"

#include <memory>
#include <string>

// Starts the sound system with the default output the first time; later calls do nothing.
void initSound();

class SoundSystem {
public:
    // Relative to the working directory, as the game is always started from its run folder.
    static constexpr const char* folder = "Sound/";

    static std::string pathOf(const std::string& fileName) { return folder + fileName; }

    // The device in use: the silent one until initSound() or useDevice().
    static SoundDevice& device();
    static bool isStarted();

    // Refills the streams; once per frame.
    static void update();

    // Puts `device` in place of the current one and returns that (tests render through a
    // loopback device and put the old one back afterwards). Counts as started. Sounds made
    // on the previous device fall silent: their ids name nothing on the new one.
    static std::unique_ptr<SoundDevice> useDevice(std::unique_ptr<SoundDevice> device);
};
