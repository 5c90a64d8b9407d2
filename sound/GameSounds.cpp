#include "sound/GameSounds.h"

namespace {
template <class T, class... Arguments>
T& kept(Arguments... arguments)
{
    return *new T(arguments...);
}
}  // namespace

Sample& selectSample()
{
    static Sample& sample = kept<Sample>("Select", 127.5f);
    return sample;
}

Sample& projectileSample()
{
    static Sample& sample = kept<Sample>("Projectile", 127.5f);
    return sample;
}

Sample& rocketSample()
{
    static Sample& sample = kept<Sample>("Rocket", 127.5f);
    return sample;
}

Sample& rocketErrorSample()
{
    static Sample& sample = kept<Sample>("RocketError", 127.5f);
    return sample;
}

Sample& explosion3Sample()
{
    static Sample& sample = kept<Sample>("Explosion3", 60.0f);
    return sample;
}

Sample& explosion2Sample()
{
    static Sample& sample = kept<Sample>("Explosion2", 60.0f);
    return sample;
}

Sample& explosion1Sample()
{
    static Sample& sample = kept<Sample>("Explosion1", 100.0f);
    return sample;
}

FadingStream& menuMusic()
{
    static FadingStream& stream = kept<FadingStream>("Menu", 127.5f, true);
    return stream;
}

FadingStream& winJingle()
{
    static FadingStream& stream = kept<FadingStream>("Win", 85.5f, false);
    return stream;
}

FadingStream& loseJingle()
{
    static FadingStream& stream = kept<FadingStream>("Lose", 127.5f, false);
    return stream;
}

FadingStreamSet& backgroundMusic()
{
    static FadingStreamSet& set = kept<FadingStreamSet>(255.0f);
    return set;
}

FadingStream& laserSound()
{
    static FadingStream& stream = kept<FadingStream>("Laser", 60.0f, true);
    return stream;
}

void buildGameSounds()
{
    selectSample();
    projectileSample();
    rocketSample();
    rocketErrorSample();
    explosion3Sample();
    explosion2Sample();
    explosion1Sample();
    menuMusic();
    winJingle();
    loseJingle();
    backgroundMusic();
    laserSound();
}
