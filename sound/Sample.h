#pragma once
// Sample: a named sound effect, loaded into memory once per file and played fire-and-forget
// at a fixed volume (0..255) on any free channel. Plays of one sample overlap; only a sound
// that matters as much or more, when every channel is busy, stops a played sample early: the
// name sets the effect's priority (gun shots give way first, the ship's sounds last). Samples
// of the same file share the loaded sound ("Explosion" and "Explosion1" load explosion1.wav
// once), and a loaded sound is kept for the whole run, so playing never touches the disk.
// Depends on: SoundSystem, GameError.
//
// An unknown name throws GameError "Sample not aviable". A missing or unreadable file is not
// an error: the sample stays silent.
#include "sound/SoundDevice.h"

#include <string>

// The file in the sound folder that holds the effect `name`; names are compared exactly.
// Throws GameError "Sample not aviable" for any other name.
std::string sampleFileName(const std::string& name);
// How much the effect `name` matters when the channels run out; the same names and error.
EffectPriority samplePriority(const std::string& name);

class Sample {
public:
    Sample(const std::string& name, float volume);

    void play() const;
    float getVolume() const { return volume_; }

private:
    SampleId handle_;
    float volume_;
    EffectPriority priority_;
};
