// make_sounds: writes the game's sound effects as 16-bit, 44.1 kHz WAV files into the folder
// given as the only argument (the run folder's Sound/).
#include "tools/common/WavFile.h"
#include "tools/sound/SoundEffects.h"

#include <cstdio>
#include <exception>
#include <string>

using namespace assets;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <Sound folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    try {
        // Stereo where space matters (explosions, launches, the laser); mono for short blips.
        WavFile::write16(folder + "explosion1.wav", 2, SoundEffects::asteroidExplosion().interleaved(2));
        WavFile::write16(folder + "explosion2.wav", 2, SoundEffects::shipExplosion().interleaved(2));
        WavFile::write16(folder + "explosion3.wav", 2, SoundEffects::shipHit().interleaved(2));
        WavFile::write16(folder + "laser.wav", 2, SoundEffects::laserLoop().interleaved(2));
        WavFile::write16(folder + "laser_hit.wav", 2, SoundEffects::laserHit().interleaved(2));
        WavFile::write16(folder + "rocket.wav", 2, SoundEffects::rocketLaunch().interleaved(2));
        WavFile::write16(folder + "rocket_error.wav", 1, SoundEffects::rocketDenied().interleaved(1));
        WavFile::write16(folder + "boom.wav", 1, SoundEffects::gunShot().interleaved(1));
        WavFile::write16(folder + "engine.wav", 2, SoundEffects::engineLoop().interleaved(2));
        WavFile::write16(folder + "select.wav", 1, SoundEffects::menuSelect().interleaved(1));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sounds: %s\n", e.what());
        return 1;
    }
    return 0;
}
