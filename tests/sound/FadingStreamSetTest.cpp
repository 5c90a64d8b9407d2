#include "sound/FadingStreamSet.h"

#include "scene/GameError.h"
#include "tests/support/LoopbackSound.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {
constexpr double amplitude = 0.3;  // two pieces cross-fading stay below full scale
const double pieceTone[] = {300, 500, 700};

double levelAt(double volume)
{
    return amplitude * static_cast<int>(volume + 0.5) / 255.0;
}

class FadingStreamSetTest : public ::testing::Test {
protected:
    FadingStreamSetTest()
    {
        folder.writeTone("backmusic1.mp3", pieceTone[0], 2.0, amplitude);
        folder.writeTone("backmusic2.mp3", pieceTone[1], 2.0, amplitude);
        folder.writeTone("backmusic3.mp3", pieceTone[2], 2.0, amplitude);
    }

    // The game's background music: three looping pieces, a fade time of one second.
    void addThreePieces()
    {
        music.setFadeTime(1.0f);
        music.addStream("Background1", true);
        music.addStream("Background2", true);
        music.addStream("Background3", true);
    }

    double pieceLevel(int piece, double from) const { return sound.toneLevel(pieceTone[piece], from, from + 0.1); }

    TemporarySoundFolder folder;
    LoopbackSound sound;
    FadingStreamSet music{255.0f};
};

void expectNoStreams(const std::function<void()>& call)
{
    try {
        call();
        ADD_FAILURE() << "an empty set did not complain";
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "no streams available");
    }
}
}  // namespace

TEST_F(FadingStreamSetTest, AnEmptySetRefusesToPlayAndIgnoresTheRest)
{
    expectNoStreams([&] { music.play(true); });
    expectNoStreams([&] { music.switchTo(1, true); });
    expectNoStreams([&] { music.switchToRandom(true); });

    music.pause(true);
    music.stop(false);
    music.setVolume(100.0f);
    music.startAdjusting(50.0f);
    music.stopAdjusting();
    sound.run(0.1);
    EXPECT_TRUE(music.isPaused());
    EXPECT_FALSE(music.isAdjusting());
    EXPECT_EQ(music.getCurrentVolume(), 0.0f);
    EXPECT_EQ(music.currentIndex(), -1);

    // Pieces may come later, as the game adds them after start-up.
    addThreePieces();
    music.play(false);
    sound.run(0.3);
    EXPECT_NEAR(pieceLevel(0, 0.2), levelAt(100), 0.03 * amplitude);
}

TEST_F(FadingStreamSetTest, SwitchingCrossFadesToTheNextPiece)
{
    addThreePieces();
    music.play(true);
    sound.run(1.2);
    music.switchTo(1, true);
    EXPECT_EQ(music.currentIndex(), 1);
    sound.run(1.5);

    EXPECT_NEAR(pieceLevel(0, 1.1), levelAt(255), 0.03 * amplitude);
    EXPECT_LT(pieceLevel(1, 1.1), 1e-3);
    // Halfway through the switch both pieces sound at about half their volume.
    EXPECT_NEAR(pieceLevel(0, 1.65), levelAt(127.5), 0.05 * amplitude);
    EXPECT_NEAR(pieceLevel(1, 1.65), levelAt(127.5), 0.05 * amplitude);
    EXPECT_LT(pieceLevel(0, 2.4), 1e-3);
    EXPECT_NEAR(pieceLevel(1, 2.4), levelAt(255), 0.03 * amplitude);
}

TEST_F(FadingStreamSetTest, SwitchingCarriesVolumeFadeTimeAndARunningRamp)
{
    addThreePieces();
    music.setVolume(200.0f, false);
    music.setFadeTime(0.5f);
    music.play(false);
    sound.run(0.2);

    music.startAdjusting(-50.0f);
    sound.run(1.0);  // down to 150
    music.switchTo(2, true);
    EXPECT_TRUE(music.isAdjusting()) << "the held key still acts on the new piece";
    sound.run(1.0);  // down to 100
    music.stopAdjusting();
    EXPECT_NEAR(music.getVolume(), 100.0f, 0.01f);
    sound.run(0.5);
    music.switchTo(0, true);  // no ramp now: a half-second cross-fade at the volume reached
    sound.run(0.8);

    // The new piece takes over the volume reached at once and goes on down from there, while
    // the old one fades out in the set's half second.
    EXPECT_NEAR(pieceLevel(2, 1.25), levelAt(146.25), 0.03 * amplitude);
    EXPECT_NEAR(pieceLevel(2, 1.6), levelAt(127.5), 0.03 * amplitude);
    EXPECT_LT(pieceLevel(0, 1.8), 1e-3);
    EXPECT_NEAR(pieceLevel(2, 2.5), levelAt(100), 0.03 * amplitude);
    EXPECT_NEAR(pieceLevel(0, 3.3), levelAt(100), 0.03 * amplitude);
    EXPECT_LT(pieceLevel(2, 3.3), 1e-3);
}

TEST_F(FadingStreamSetTest, SwitchingToThePiecePlayingChangesNothingAudible)
{
    addThreePieces();
    music.play(false);
    sound.run(0.5);
    music.switchTo(3, true);  // 3 is piece 0 again
    sound.run(1.5);

    for (double from : {0.3, 0.6, 0.9, 1.2, 1.5, 1.8}) {
        EXPECT_NEAR(pieceLevel(0, from), levelAt(255), 0.03 * amplitude) << "at " << from << " s";
    }
}

TEST_F(FadingStreamSetTest, AStoppedSetSwitchesSilentlyAndPlaysTheNewPieceLater)
{
    addThreePieces();
    music.play(false);
    sound.run(0.2);
    music.stop(true);
    sound.run(1.2);
    EXPECT_TRUE(music.isPaused());
    music.switchTo(1, true);
    sound.run(0.5);
    EXPECT_TRUE(music.isPaused());
    music.play(false);
    sound.run(0.3);

    EXPECT_EQ(sound.peak(1.3, 1.9), 0.0);
    EXPECT_NEAR(pieceLevel(1, 2.0), levelAt(255), 0.03 * amplitude);
}

TEST_F(FadingStreamSetTest, ARandomSwitchPicksAnotherPieceUnlessThereIsOnlyOne)
{
    addThreePieces();
    std::set<int> reached;
    for (int i = 0; i < 60; ++i) {
        const int before = music.currentIndex();
        music.switchToRandom(false);
        EXPECT_NE(music.currentIndex(), before);
        reached.insert(music.currentIndex());
    }
    EXPECT_EQ(reached.size(), 3u);

    FadingStreamSet single(255.0f);
    single.addStream("Background1", true);
    single.switchTo(1, true);
    single.switchToRandom(true);
    EXPECT_EQ(single.currentIndex(), 0);
}
