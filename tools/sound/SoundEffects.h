#pragma once
// SoundEffects: the game's sound effects, synthesised from noise, oscillators, filters and
// envelopes (no recordings). Each returns a finished sound, without DC offset and normalised
// below full scale; the loops (laser, engine) repeat without a seam.
#include "tools/sound/Stereo.h"

namespace assets {

class SoundEffects {
public:
    static Stereo asteroidExplosion();  // explosion1.wav: a rock bursting
    static Stereo shipExplosion();      // explosion2.wav: the ship destroyed, the biggest
    static Stereo shipHit();            // explosion3.wav: a rock striking the hull
    static Stereo laserLoop();          // laser.wav: the charging, burning hum
    static Stereo laserHit();           // laser_hit.wav
    static Stereo rocketLaunch();       // rocket.wav
    static Stereo rocketDenied();       // rocket_error.wav
    static Stereo gunShot();            // boom.wav: heard ten times a second, kept short and soft
    static Stereo engineLoop();         // engine.wav
    static Stereo menuSelect();         // select.wav
};

}  // namespace assets
