#pragma once
// SoundSystem: the process's one sound device and the folder the sound files live in.
// initSound() starts it once, on the system's default output; without one the game runs
// silent, every sound call a harmless no-op. The device refills its music streams on a thread
// of its own, so the game's main loop has nothing to call for them.
// Depends on: SoundDevice, OpenAlSoundDevice, SilentSoundDevice.
//
// Safe to use from static constructors in any file (the state is a function-local static that
// is never destroyed). The real device is closed when the process exits (an atexit handler, so
// also when GLUT ends the program with exit() from a callback), which stops the device's refill
// thread and completes a capture file of OpenAL's wave backend. The game's calls come from one
// thread.
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

    // Refills the streams at once, for tests that mix faster than real time (see
    // SoundDevice::update).
    static void update();

    // Puts `device` in place of the current one and returns that (tests render through a
    // loopback device and put the old one back afterwards). Counts as started. Sounds made
    // on the previous device fall silent: their ids name nothing on the new one.
    static std::unique_ptr<SoundDevice> useDevice(std::unique_ptr<SoundDevice> device);
};
