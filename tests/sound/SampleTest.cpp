#include "sound/Sample.h"

#include "scene/GameError.h"
#include "tests/support/LoopbackSound.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>

namespace {
constexpr double amplitude = 0.5;  // of every test file

// The level a tone of the test files has when played at a channel volume of 0..255.
double levelAt(int volume)
{
    return amplitude * volume / 255.0;
}

class SampleTest : public ::testing::Test {
protected:
    TemporarySoundFolder folder;
    LoopbackSound sound;
};
}  // namespace

TEST(SampleNameTest, UnknownOrMisspelledNamesAreRefused)
{
    for (const char* name : {"explosion1", "Explosion4", "Select ", "", "Background1"}) {
        try {
            sampleFileName(name);
            ADD_FAILURE() << "accepted \"" << name << '"';
        } catch (const GameError& error) {
            EXPECT_STREQ(error.what(), "Sample not aviable");
        }
    }
    EXPECT_THROW(Sample("Menu", 100.0f), GameError);
}

TEST_F(SampleTest, VolumeIsClampedAndRoundedToWholeSteps)
{
    folder.writeTone("select.wav", 440, 0.3);
    folder.writeTone("rocket.wav", 440, 0.3, amplitude, 1);
    const double starts[] = {0.0, 0.4, 0.8, 1.2};
    const Sample samples[] = {{"Select", 255.0f}, {"Select", 300.0f}, {"Select", -5.0f}, {"Select", 127.5f}};
    for (const Sample& sample : samples) {
        sample.play();
        sound.run(0.4);
    }
    const Sample mono("Rocket", 255.0f);
    mono.play();
    sound.run(0.4);

    auto levelOfPlay = [&](int play, bool right = false) {
        return sound.toneLevel(440, starts[play] + 0.1, starts[play] + 0.2, right);
    };
    EXPECT_NEAR(levelOfPlay(0), levelAt(255), 1e-3);
    EXPECT_NEAR(levelOfPlay(1), levelOfPlay(0), 1e-6);
    EXPECT_LT(sound.peak(starts[2], starts[2] + 0.4), 1e-6);
    // 127.5 is sent as 128: a difference of 0.4 %, which the ratio shows clearly.
    EXPECT_NEAR(levelOfPlay(3) / levelOfPlay(0), 128.0 / 255.0, 2e-4);
    // A mono file sounds on both sides at the level of a stereo one.
    EXPECT_NEAR(sound.toneLevel(440, 1.7, 1.8), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(440, 1.7, 1.8, true), levelAt(255), 1e-3);
}

TEST_F(SampleTest, PlaysOverlapAndEachRunsToItsEnd)
{
    folder.writeTone("boom.wav", 440, 0.5);
    const Sample projectile("Projectile", 255.0f);

    projectile.play();
    sound.run(0.2);  // 88 whole periods later, so the two plays are in phase
    projectile.play();
    sound.run(0.8);

    const double single = sound.toneLevel(440, 0.05, 0.15);
    EXPECT_NEAR(single, levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(440, 0.25, 0.45), 2 * single, 2e-3);
    EXPECT_NEAR(sound.toneLevel(440, 0.55, 0.65), single, 1e-3);
    EXPECT_LT(sound.peak(0.75, 1.0), 1e-6);
}

TEST_F(SampleTest, NamesOfOneFileShareOneLoadAndExplosionsTwoAndThreeSwapFiles)
{
    folder.writeTone("explosion1.wav", 300, 0.2);
    folder.writeTone("explosion3.wav", 500, 0.2);
    const Sample first("Explosion", 255.0f);
    folder.remove("explosion1.wav");  // from now on only the loaded copy can sound
    const Sample second("Explosion1", 255.0f);
    const Sample swapped("Explosion2", 255.0f);

    second.play();
    sound.run(0.3);
    swapped.play();
    sound.run(0.3);

    EXPECT_NEAR(sound.toneLevel(300, 0.05, 0.15), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(500, 0.35, 0.45), levelAt(255), 1e-3);
}

TEST_F(SampleTest, MissingDamagedAndEmptyFilesStaySilent)
{
    folder.writeBytes("rocket_error.wav", "RIFF\x24\x00\x00\x00WAVEfmt garbage that is no sound at all");
    folder.writeBytes("laser.wav", "");
    folder.writeTone("laser_hit.wav", 440, 0.0);  // a well-formed file without a single frame
    const Sample samples[] = {{"Rocket", 255.0f}, {"RocketError", 255.0f}, {"Laser", 255.0f}, {"LaserHit", 255.0f}};

    for (const Sample& sample : samples) sample.play();
    sound.run(0.2);

    EXPECT_EQ(sound.peak(0.0, 0.2), 0.0);
}

TEST_F(SampleTest, WhenChannelsRunOutShotsGiveWayFirstAndTheQuietestOfAKindBeforeTheOldest)
{
    // Every play of a file starts a whole number of periods after the others: they add up in phase.
    folder.writeTone("explosion1.wav", 300, 2.0);
    folder.writeTone("explosion3.wav", 500, 2.0);
    folder.writeTone("boom.wav", 700, 2.0);
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

    EXPECT_NEAR(sound.toneLevel(300, 0.25, 0.35), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(500, 0.25, 0.35), levelAt(255), 1e-3);
    EXPECT_NEAR(sound.toneLevel(300, 0.45, 0.55), levelAt(255) + 30 * levelAt(2), 1e-3);
    EXPECT_LT(sound.toneLevel(700, 0.45, 0.75), 1e-4);
    EXPECT_NEAR(sound.toneLevel(300, 0.85, 0.95), levelAt(255) + 29 * levelAt(2), 1e-3);
    EXPECT_NEAR(sound.toneLevel(500, 0.85, 0.95), 2 * levelAt(255), 1e-3);
}
