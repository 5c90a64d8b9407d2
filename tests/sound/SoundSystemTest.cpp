#include "sound/SoundSystem.h"

#include "scene/CalculateAlways.h"
#include "sound/FadingStreamSet.h"
#include "sound/GameSounds.h"
#include "sound/OpenAlSoundDevice.h"
#include "sound/Sample.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>

namespace {
// Runs the sound system on the device that a machine without output gets, for one test.
class NoOutputDevice {
public:
    NoOutputDevice() : previous_(SoundSystem::useDevice(OpenAlSoundDevice::open("Rubblestorm: no such device"))) {}
    ~NoOutputDevice() { SoundSystem::useDevice(std::move(previous_)); }

private:
    std::unique_ptr<SoundDevice> previous_;
};
}  // namespace

TEST(SoundSystemTest, WithoutAnOutputDeviceEveryCallIsHarmlessAndTheMusicLogicGoesOn)
{
    TemporarySoundFolder folder;  // real files: only the device is missing
    folder.writeTone("select.wav", 440, 0.2);
    folder.writeTone("win.wav", 440, 0.2);
    for (const char* piece : {"backmusic1.mp3", "backmusic2.mp3", "menu.mp3"}) folder.writeTone(piece, 440, 0.2);
    NoOutputDevice noOutput;
    ASSERT_TRUE(SoundSystem::device().isSilent());

    const Sample select("Select", 127.5f);
    select.play();
    Stream engine("Engine", 60.0f, true);
    engine.play();
    engine.setVolume(100.0f);
    engine.pause();
    FadingStream menu("Menu", 127.5f, true);
    menu.play(true);
    FadingStream jingle("Win", 85.5f, false);
    jingle.play(false);
    FadingStreamSet background(255.0f);
    background.addStream("Background1", true);
    background.addStream("Background2", true);
    background.play(true);
    auto runFrames = [time = 0.0](int frames) mutable {
        for (int frame = 0; frame < frames; ++frame) {
            time += 1 / 60.0;
            CalculateAlways::calculateAll(TimeStep{time, 1 / 60.0});
            SoundSystem::update();
        }
    };
    runFrames(70);
    background.startAdjusting(-50.0f);
    runFrames(60);
    background.switchToRandom(true);
    background.stopAdjusting();
    jingle.stop(true);
    engine.stop();

    EXPECT_EQ(menu.getCurrentVolume(), 127.5f);
    EXPECT_NEAR(background.getVolume(), 205.0f, 0.1f);
    EXPECT_EQ(background.currentIndex(), 1);
    EXPECT_TRUE(jingle.isPaused());
    EXPECT_EQ(engine.getVolume(), 100.0f);
}

TEST(SoundSystemTest, TheGamesSoundsStartTheSystemAndStayQuietUntilAsked)
{
    // The first of them starts the sound system.
    buildGameSounds();
    EXPECT_TRUE(SoundSystem::isStarted());

    for (FadingStream* music : {&menuMusic(), &winJingle(), &loseJingle(), &laserSound()}) {
        EXPECT_TRUE(music->isPaused());
        EXPECT_EQ(music->getCurrentVolume(), 0.0f);
        EXPECT_FALSE(music->isEnabled());
    }

    // Empty until the game manager adds its pieces.
    EXPECT_EQ(backgroundMusic().size(), 0u);
    EXPECT_EQ(backgroundMusic().getVolume(), 255.0f);
    EXPECT_EQ(backgroundMusic().getFadeTime(), 1.0f);
}
