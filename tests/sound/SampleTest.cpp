// Sound effects on a loopback device: the names the game knows, volume steps, overlapping
// plays, shared loads, and which sound gives way when the channels run out.
#include "sound/Sample.h"

#include "sound/Stream.h"
#include "tests/support/Expect.h"
#include "tests/support/LoopbackSound.h"

#include <gtest/gtest.h>

namespace {
using SampleTest = SoundTest;
}  // namespace

TEST(SoundNameTest, UnknownOrMisspelledNamesAreRefused)
{
    for (const char* name : {"explosion1", "Explosion4", "Select ", "", "Background1"})
        EXPECT_GAME_ERROR(sampleFileName(name), "Sample not aviable");
    for (const char* name : {"menu", "Explosion", "Background4", ""})
        EXPECT_GAME_ERROR(streamFileName(name), "Stream not aviable");
    EXPECT_THROW(Sample("Menu", 100.0f), GameError);
    EXPECT_EQ(streamFileName("Background"), streamFileName("Background1"));
    EXPECT_EQ(sampleFileName("Explosion2"), "explosion3.wav") << "two and three swap files";
}

TEST_F(SampleTest, VolumeIsClampedAndRoundedToWholeSteps)
{
    folder.writeTones("select.wav", {440}, 0.3);
    folder.writeTones("rocket.wav", {440}, 0.3, 0.5, 1);
    const Sample samples[] = {
        {"Select", 255.0f}, {"Select", 300.0f}, {"Select", -5.0f}, {"Select", 127.5f}, {"Rocket", 255.0f}};
    for (const Sample& sample : samples) {
        sample.play();
        sound.run(0.4);
    }

    EXPECT_NEAR(tone(440, 0.1), levelAt(255), 1e-3);
    EXPECT_NEAR(tone(440, 0.5), tone(440, 0.1), 1e-6);
    EXPECT_LT(sound.peak(0.8, 1.2), 1e-6);
    // 127.5 is sent as 128: a difference of 0.4 %, which the ratio shows clearly.
    EXPECT_NEAR(tone(440, 1.3) / tone(440, 0.1), 128.0 / 255.0, 2e-4);
    // A mono file sounds on both sides at the level of a stereo one.
    EXPECT_NEAR(tone(440, 1.7), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(440, 1.7, 1.8, true), levelAt(255), 1e-3);
}

TEST_F(SampleTest, PlaysOverlapAndNamesOfOneFileShareOneLoad)
{
    folder.writeTones("explosion1.wav", {440}, 0.5);
    const Sample first("Explosion", 255.0f);
    std::filesystem::remove(folder.soundFile("explosion1.wav"));  // from now on only the loaded copy can sound
    const Sample second("Explosion1", 255.0f);

    second.play();
    sound.run(0.2);  // 88 whole periods later, so the two plays are in phase
    first.play();
    sound.run(0.8);

    EXPECT_NEAR(tone(440, 0.05), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(440, 0.25, 0.45), 2 * levelAt(255), 2e-3);
    EXPECT_NEAR(tone(440, 0.55), levelAt(255), 1e-3);
    EXPECT_LT(sound.peak(0.75, 1.0), 1e-6) << "each runs to its end";
}

TEST_F(SampleTest, WhenChannelsRunOutShotsGiveWayFirstAndTheQuietestOfAKindBeforeTheOldest)
{
    // Every play of a file starts a whole number of periods after the others: they add up in phase.
    folder.writeTones("explosion1.wav", {300}, 2.0);
    folder.writeTones("explosion3.wav", {500}, 2.0);
    folder.writeTones("boom.wav", {700}, 2.0);
    const Sample rock("Explosion1", 255.0f), ship("Explosion2", 255.0f), shot("Projectile", 4.0f);
    const Sample quietRock("Explosion1", 2.0f);

    rock.play();
    ship.play();
    for (int i = 0; i < 30; ++i) shot.play();  // every channel busy
    sound.run(0.2);
    shot.play();  // takes an older shot's channel, not the oldest sound's
    sound.run(0.2);
    for (int i = 0; i < 30; ++i) quietRock.play();  // an explosion outranks every shot
    sound.run(0.2);
    shot.play();  // finds nothing it outranks: dropped
    sound.run(0.2);
    ship.play();  // takes a quiet rock's channel before the loud, older one
    sound.run(0.2);

    EXPECT_NEAR(tone(300, 0.25), levelAt(255), 1e-3);
    EXPECT_NEAR(tone(500, 0.25), levelAt(255), 1e-3);
    EXPECT_NEAR(tone(300, 0.45), levelAt(255) + 30 * levelAt(2), 1e-3);
    EXPECT_LT(sound.toneLevel(700, 0.45, 0.75), 1e-4);
    EXPECT_NEAR(tone(300, 0.85), levelAt(255) + 29 * levelAt(2), 1e-3);
    EXPECT_NEAR(tone(500, 0.85), 2 * levelAt(255), 1e-3);
}
