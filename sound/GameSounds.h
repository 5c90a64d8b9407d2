#pragma once
// GameSounds: the game's program-wide sound objects, one of each, kept for the whole run; the
// first of them to be built starts the sound system.
// Reach them only through these functions: each builds its object on first use, so a static
// constructor in any file may call them, and none is ever destroyed, so nothing at exit can
// find one gone. Nothing builds them before main: a program that only prints its help must
// not open a sound device. Depends on: Sample, FadingStream, FadingStreamSet.
//
// The background set starts empty; the game manager adds its pieces. The ship's engine hum
// is not here: every ship makes its own Stream "Engine".
#include "sound/FadingStream.h"
#include "sound/FadingStreamSet.h"
#include "sound/Sample.h"

// Builds all of them, in a fixed order, where they are missing; the game does so before its
// window opens, which keeps loading the effects out of the first shot.
void buildGameSounds();

// Effects.
Sample& selectSample();       // "Select" 127.5: a menu entry highlighted or chosen
Sample& projectileSample();   // "Projectile" 127.5: every projectile fired
Sample& rocketSample();       // "Rocket" 127.5: every rocket launched
Sample& rocketErrorSample();  // "RocketError" 127.5: a rocket that cannot be launched
Sample& explosion3Sample();   // "Explosion3" 60: the ship's collisions
Sample& explosion2Sample();   // "Explosion2" 60: the ship hit by an asteroid
Sample& explosion1Sample();   // "Explosion1" 100: an asteroid bursting

// Music.
FadingStream& menuMusic();           // "Menu" 127.5, looping
FadingStream& winJingle();           // "Win" 85.5, once
FadingStream& loseJingle();          // "Lose" 127.5, once
FadingStreamSet& backgroundMusic();  // volume 255, fade time 1, pieces added by the game

// The laser's charging and burning sound, "Laser" 60, looping.
FadingStream& laserSound();
