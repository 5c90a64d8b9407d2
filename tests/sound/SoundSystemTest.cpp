#include "sound/SoundSystem.h"

#include "sound/FadingStreamSet.h"
#include "sound/GameSounds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
