#include "sound/SoundSystem.h"

#include "scene/CalculateAlways.h"
#include "sound/FadingStreamSet.h"
#include "sound/GameSounds.h"
#include "sound/OpenAlSoundDevice.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

TEST(SoundSystemTest, WithoutAnOutputDeviceEveryCallIsHarmlessAndTheMusicLogicGoesOn)
{
    TemporarySoundFolder folder;  // real files: only the device is missing
    for (const char* file : {"select.wav", "win.wav", "backmusic1.mp3", "backmusic2.mp3", "menu.mp3"})
        folder.writeTone(file, 440, 0.2);
    std::unique_ptr<SoundDevice> previous =
        SoundSystem::useDevice(OpenAlSoundDevice::open("Rubblestorm: no such device"));
    ASSERT_TRUE(SoundSystem::device().isSilent());
    {
        Sample("Select", 127.5f).play();
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
        double time = 0.0;
        for (int frame = 0; frame < 130; ++frame) {
            if (frame == 70) background.startAdjusting(-50.0f);
            CalculateAlways::calculateAll(TimeStep{time += 1 / 60.0, 1 / 60.0});
            SoundSystem::update();
        }
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
    SoundSystem::useDevice(std::move(previous));
}

// The game's sounds live as long as the program, and other tests of this program start a game
// that plays them: a fresh process of its own shows them as the game finds them.
TEST(SoundSystemTest, TheGamesSoundsStartTheSystemAndStayQuietUntilAsked)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            buildGameSounds();  // the first of them starts the sound system
            bool quiet = SoundSystem::isStarted();
            for (FadingStream* music : {&menuMusic(), &winJingle(), &loseJingle(), &laserSound()})
                quiet = quiet && music->isPaused() && music->getCurrentVolume() == 0.0f && !music->isEnabled();
            // Empty until the game manager adds its pieces.
            FadingStreamSet& background = backgroundMusic();
            quiet = quiet && background.size() == 0u && background.getVolume() == 255.0f &&
                    background.getFadeTime() == 1.0f;
            std::fputs(quiet ? "quiet" : "not started, or not quiet", stderr);
            std::exit(quiet ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "^quiet$");
}
