#include "sound/FadingStream.h"

#include "tests/support/LoopbackSound.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>

namespace {
constexpr double amplitude = 0.5;  // of the test files

// The level of a test tone at a channel volume of 0..255 (whole steps, as the channel gets it).
double levelAt(double volume)
{
    return amplitude * static_cast<int>(volume + 0.5) / 255.0;
}

class FadingStreamTest : public ::testing::Test {
protected:
    FadingStreamTest()
    {
        folder.writeTone("laser.wav", 440, 1.0);
        // Half-second tones, so that what is heard tells the place in the piece.
        folder.writeTones("win.wav", {300, 400, 500, 600, 700, 800, 900, 1000}, 0.5);
    }

    TemporarySoundFolder folder;
    LoopbackSound sound;
};
}  // namespace

TEST_F(FadingStreamTest, FadeInReachesItsTargetAfterTheFadeTime)
{
    FadingStream stream("Laser", 127.5f, true);
    EXPECT_EQ(stream.getCurrentVolume(), 0.0f);

    stream.play(true);
    sound.run(0.5);
    EXPECT_NEAR(stream.getCurrentVolume(), 63.75f, 0.01f);
    sound.run(0.5);
    EXPECT_EQ(stream.getCurrentVolume(), 127.5f);
    EXPECT_FALSE(stream.isEnabled()) << "the fade should be over";
    sound.run(0.5);

    EXPECT_LT(sound.toneLevel(440, 0.0, 0.05), levelAt(8));
    EXPECT_NEAR(sound.toneLevel(440, 0.45, 0.55), levelAt(63.75), 0.01 * amplitude);
    EXPECT_NEAR(sound.toneLevel(440, 1.1, 1.4), levelAt(127.5), 1e-3);
}

TEST_F(FadingStreamTest, PauseFadesOutThenResumesWhereItWasAndFadesIn)
{
    FadingStream stream("Win", 255.0f, false);

    stream.play(false);
    sound.run(0.3);
    stream.pause(true);  // the piece goes on for the second of the fade: paused at 1.3 s
    EXPECT_TRUE(stream.isPaused());
    sound.run(1.5);
    stream.play(true);
    sound.run(1.2);

    EXPECT_NEAR(sound.toneLevel(300, 0.1, 0.2), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(400, 0.75, 0.85), levelAt(127.5), 0.02 * amplitude);
    EXPECT_LT(sound.peak(1.35, 1.8), 1e-4);
    // Resumed at 1.3 s into the piece; a second of fading in later it is at 2.3 s: the fifth tone.
    EXPECT_NEAR(sound.toneLevel(700, 2.85, 2.95), levelAt(255), 2e-3);
    EXPECT_LT(sound.toneLevel(300, 2.85, 2.95), 1e-3);
}

TEST_F(FadingStreamTest, StoppedJinglePlaysAgainFromTheStart)
{
    FadingStream jingle("Win", 85.5f, false);

    jingle.play(true);
    sound.run(1.6);
    jingle.stop(true);
    sound.run(1.2);
    jingle.play(true);
    sound.run(1.2);

    // After a second of fading in it is one second into the piece: the third tone.
    EXPECT_NEAR(sound.toneLevel(500, 3.85, 3.95), levelAt(85.5), 2e-3);
    EXPECT_LT(sound.peak(2.65, 2.8), 1e-4);
}

TEST_F(FadingStreamTest, NewTargetWhileFadingOutWaitsForTheNextPlay)
{
    FadingStream stream("Laser", 127.5f, true);
    stream.play(false);
    sound.run(0.2);

    stream.pause(true);
    sound.run(0.5);
    stream.setTargetVolume(200.0f, true);
    EXPECT_EQ(stream.getVolume(), 200.0f);
    EXPECT_EQ(stream.getFadeTarget(), 0.0f) << "the fade-out goes on";
    sound.run(0.7);
    EXPECT_EQ(stream.getCurrentVolume(), 0.0f);
    stream.play(true);
    sound.run(1.2);

    EXPECT_LT(sound.peak(1.25, 1.4), 1e-4);
    EXPECT_NEAR(sound.toneLevel(440, 2.5, 2.6), levelAt(200), 1e-3);
}

TEST_F(FadingStreamTest, FadeTimeIsTakenWithoutItsSignAndSetsThePace)
{
    FadingStream stream("Laser", 200.0f, true);
    stream.setFadeTime(-2.0f);
    EXPECT_EQ(stream.getFadeTime(), 2.0f);

    stream.play(true);
    sound.run(1.0);
    EXPECT_NEAR(stream.getCurrentVolume(), 100.0f, 0.01f);
    stream.setFadeTime(0.5f);  // the rest of the way in half a second
    sound.run(0.5);
    EXPECT_NEAR(stream.getCurrentVolume(), 200.0f, 0.01f);
    sound.run(LoopbackSound::frameTime);  // sums of single-precision steps may take one frame more
    EXPECT_EQ(stream.getCurrentVolume(), 200.0f);

    stream.setFadeTime(0.0f);
    stream.setTargetVolume(50.0f, true);
    EXPECT_EQ(stream.getCurrentVolume(), 50.0f) << "no fade time: at once";
}

TEST_F(FadingStreamTest, HoldingLouderRampsTo255In3Point1SecondsAndStaysThere)
{
    FadingStream stream("Laser", 100.0f, true);
    stream.play(false);

    stream.startAdjusting(50.0f);
    EXPECT_TRUE(stream.isAdjusting());
    sound.run(3.0);
    EXPECT_NEAR(stream.getCurrentVolume(), 250.0f, 0.01f);
    sound.run(0.1);
    EXPECT_NEAR(stream.getCurrentVolume(), 255.0f, 0.01f);
    sound.run(LoopbackSound::frameTime);  // sums of single-precision steps may take one frame more
    EXPECT_EQ(stream.getCurrentVolume(), 255.0f);
    EXPECT_FALSE(stream.isEnabled());
    sound.run(0.5);
    EXPECT_EQ(stream.getCurrentVolume(), 255.0f);
    stream.stopAdjusting();
    EXPECT_FALSE(stream.isAdjusting());
    EXPECT_EQ(stream.getVolume(), 255.0f) << "the volume reached becomes the target";
    sound.run(0.2);

    EXPECT_NEAR(sound.toneLevel(440, 1.0, 1.1), levelAt(152.5), 0.01 * amplitude);
    EXPECT_NEAR(sound.toneLevel(440, 3.5, 3.7), levelAt(255), 1e-3);
}

TEST_F(FadingStreamTest, ARampRunsAtItsOwnPaceWhateverElseHappens)
{
    FadingStream stream("Laser", 100.0f, true);
    stream.setFadeTime(0.0f);
    stream.play(false);

    stream.startAdjusting(50.0f);
    sound.run(1.0);
    EXPECT_NEAR(stream.getCurrentVolume(), 150.0f, 0.01f) << "no fade time, yet no jump to full volume";
    stream.setTargetVolume(60.0f, false);  // a digit key while '+' is held
    EXPECT_EQ(stream.getCurrentVolume(), 60.0f);
    sound.run(1.0);
    EXPECT_NEAR(stream.getCurrentVolume(), 110.0f, 0.01f) << "the ramp goes on from the new volume";

    // A ramp that has reached its end moves again when asked, even without a release between.
    stream.startAdjusting(-50.0f);
    sound.run(2.5);
    EXPECT_EQ(stream.getCurrentVolume(), 0.0f);
    EXPECT_FALSE(stream.isPaused()) << "turned down, not paused";
    stream.startAdjusting(50.0f);
    sound.run(1.0);
    EXPECT_NEAR(stream.getCurrentVolume(), 50.0f, 0.01f);

    EXPECT_NEAR(sound.toneLevel(440, 1.5, 1.6), levelAt(87.5), 0.01 * amplitude);
}

TEST_F(FadingStreamTest, ThroughTheStreamInterfacePlayAndPauseActAtOnce)
{
    FadingStream fading("Laser", 127.5f, true);
    Stream& stream = fading;

    stream.play();
    EXPECT_EQ(fading.getCurrentVolume(), 127.5f);
    sound.run(0.2);
    stream.pause();
    EXPECT_EQ(fading.getCurrentVolume(), 0.0f);
    EXPECT_TRUE(stream.isPaused());
    sound.run(0.2);
    stream.setVolume(255.0f);  // the game turns a paused jingle down or up this way: stored only
    EXPECT_EQ(stream.getVolume(), 255.0f);
    EXPECT_EQ(fading.getCurrentVolume(), 0.0f);

    EXPECT_NEAR(sound.toneLevel(440, 0.05, 0.15), levelAt(127.5), 1e-3);
    EXPECT_LT(sound.peak(0.25, 0.4), 1e-4);
}
