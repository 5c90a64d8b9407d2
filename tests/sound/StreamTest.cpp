// Music on a loopback device: where a stream is in its file after pause, stop and replay,
// gapless loops, channels shared with effects, fades and volume ramps, and the background
// set's switching between pieces.
#include "sound/FadingStreamSet.h"

#include "sound/Sample.h"
#include "tests/support/Expect.h"
#include "tests/support/LoopbackSound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>

namespace {
// Ten tones of 0.1 s each: the one heard tells where in the file a stream is.
const std::vector<double> steps = {300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200};

using StreamTest = SoundTest;

// A stream faded in (or, when `pausing`, faded out to a pause), or ramped at `ramp` per
// second, and its current volume so many seconds later.
struct Fade {
    const char* what;
    float volume, fadeTime, ramp;
    bool pausing;
    std::vector<std::pair<double, float>> volumes;
};
}  // namespace

// Pause keeping the place and stop starting over: the faded pause and stop below.
TEST_F(StreamTest, AnEndedPieceReplaysFromItsBeginning)
{
    folder.writeTones("win.wav", steps, 0.1);
    Stream stream("Win", 255.0f, false);

    stream.play();
    sound.run(1.2);  // to its end at 1 s and beyond
    stream.play();   // no stop in between, as the game does with its jingles
    sound.run(0.2);

    EXPECT_LT(sound.peak(1.05, 1.2), 1e-4);
    EXPECT_NEAR(tone(300, 1.2), levelAt(255), 2e-3);
}

TEST_F(StreamTest, ALoopRepeatsWithoutAGapOrClickAndGoesOnAfterAFrameLongerThanItsBuffers)
{
    // 132 whole periods: looped end to end, the file is one unbroken sine.
    folder.writeTones("engine.wav", {440}, 0.3);
    Stream stream("Engine", 255.0f, true);

    sound.run(0.1);
    stream.play();
    sound.run(2.0);  // six wraps, and many refills of the stream's buffers
    const std::size_t start = LoopbackSound::rate / 10;
    double worst = 0.0;
    for (std::size_t i = start; i < sound.left().size(); ++i) {
        const double t = static_cast<double>(i - start) / LoopbackSound::rate;
        worst = std::max(worst, std::fabs(sound.left()[i] - 0.5 * std::sin(2.0 * std::numbers::pi * 440.0 * t)));
    }
    EXPECT_LT(worst, 2e-4) << "the mix left the sine somewhere";

    sound.run(2.0, 2.0);  // a hitch, as while a level loads: the stream runs dry
    sound.run(0.5);
    EXPECT_NEAR(sound.toneLevel(440, 4.3, 4.5), levelAt(255), 0.01);
}

TEST_F(StreamTest, AFinishedPieceNoLongerReachesTheSoundThatGotItsChannel)
{
    folder.writeTones("lose.wav", {300}, 0.1);
    folder.writeTones("boom.wav", {500}, 0.5);
    Stream jingle("Lose", 255.0f, false);
    const Sample shot("Projectile", 255.0f);

    jingle.play();
    sound.run(0.2);
    shot.play();  // takes the channel the jingle has given back
    jingle.setVolume(0.0f);
    jingle.pause();
    sound.run(0.3);

    EXPECT_NEAR(tone(500, 0.3), levelAt(255), 2e-3);
}

TEST_F(StreamTest, APausedStreamLendsItsChannelAndGoesOnWhereItWas)
{
    folder.writeTones("win.wav", steps, 0.1);
    folder.writeTones("boom.wav", {1500}, 2.0);
    Stream jingle("Win", 255.0f, false);
    const Sample shot("Projectile", 4.0f);  // all of its plays start in phase

    jingle.play();
    sound.run(0.25);  // into the third tone, past the first of the stream's buffers
    jingle.pause();
    for (int i = 0; i < 32; ++i) shot.play();  // one channel more than the effects had
    sound.run(0.2);
    jingle.play();  // back on a shot's channel
    sound.run(0.3);

    EXPECT_NEAR(tone(1500, 0.3), 32 * levelAt(4), 1e-3);
    EXPECT_NEAR(tone(600, 0.5), levelAt(255), 2e-3);
    EXPECT_NEAR(tone(1500, 0.5), 31 * levelAt(4), 1e-3);
}

TEST_F(StreamTest, FadesAndRampsTakeTheirTimeAndStopAtTheirEnds)
{
    folder.writeTones("laser.wav", {440}, 1.0);
    const Fade fades[] = {
        {"fade in", 127.5f, 1.0f, 0.0f, false, {{0.0, 0.0f}, {0.5, 63.75f}, {1.0, 127.5f}, {1.5, 127.5f}}},
        {"fade time without its sign", 200.0f, -2.0f, 0.0f, false, {{1.0, 100.0f}, {2.1, 200.0f}}},
        {"no fade time", 200.0f, 0.0f, 0.0f, false, {{0.0, 200.0f}}},
        {"fade out to a pause", 255.0f, 1.0f, 0.0f, true, {{0.0, 255.0f}, {0.5, 127.5f}, {1.1, 0.0f}}},
        {"ramp up", 100.0f, 1.0f, 50.0f, false, {{1.0, 150.0f}, {3.0, 250.0f}, {3.2, 255.0f}, {4.0, 255.0f}}},
        {"ramp down: turned down, not paused", 100.0f, 1.0f, -50.0f, false, {{1.0, 50.0f}, {2.1, 0.0f}, {3.0, 0.0f}}},
    };
    for (const Fade& fade : fades) {
        FadingStream stream("Laser", fade.volume, true);
        stream.setFadeTime(fade.fadeTime);
        stream.play(fade.ramp == 0.0f && !fade.pausing);
        if (fade.pausing) stream.pause(true);
        if (fade.ramp != 0.0f) stream.startAdjusting(fade.ramp);
        double elapsed = 0.0;
        for (const auto& [at, volume] : fade.volumes) {
            sound.run(at - elapsed);
            elapsed = at;
            EXPECT_NEAR(stream.getCurrentVolume(), volume, 0.01f) << fade.what << " at " << at << " s";
        }
        EXPECT_EQ(stream.isPaused(), fade.pausing) << fade.what;
    }
    // The channel follows the first fade in.
    EXPECT_LT(sound.toneLevel(440, 0.0, 0.05), levelAt(8));
    EXPECT_NEAR(tone(440, 0.45), levelAt(63.75), 0.005);
    EXPECT_NEAR(sound.toneLevel(440, 1.1, 1.4), levelAt(127.5), 1e-3);
}

TEST_F(StreamTest, VolumeChangesDuringRampsAndFadeOuts)
{
    folder.writeTones("laser.wav", {440}, 1.0);
    FadingStream stream("Laser", 100.0f, true);
    stream.setFadeTime(0.0f);
    stream.play(false);
    stream.startAdjusting(50.0f);
    sound.run(1.0);
    stream.setTargetVolume(60.0f, false);  // a digit key while '+' is held
    EXPECT_EQ(stream.getCurrentVolume(), 60.0f);
    sound.run(1.0);
    EXPECT_NEAR(stream.getCurrentVolume(), 110.0f, 0.01f) << "the ramp goes on from the new volume";
    // A ramp that has reached its end moves again when asked, even without a release between.
    stream.startAdjusting(-50.0f);
    sound.run(2.5);
    stream.startAdjusting(50.0f);
    sound.run(1.0);
    stream.stopAdjusting();
    EXPECT_FALSE(stream.isAdjusting());
    EXPECT_NEAR(stream.getVolume(), 50.0f, 0.01f) << "the volume reached becomes the target";

    // Through the Stream interface pause and play act at once; a volume set while the stream is
    // paused or fading out is only stored for the next play.
    Stream& plain = stream;
    stream.setFadeTime(1.0f);
    plain.pause();
    EXPECT_EQ(stream.getCurrentVolume(), 0.0f);
    plain.setVolume(255.0f);
    EXPECT_EQ(stream.getCurrentVolume(), 0.0f);
    plain.play();
    EXPECT_EQ(stream.getCurrentVolume(), 255.0f);
    stream.pause(true);
    sound.run(0.5);
    stream.setTargetVolume(200.0f, true);
    EXPECT_EQ(stream.getVolume(), 200.0f);
    EXPECT_EQ(stream.getFadeTarget(), 0.0f) << "the fade-out goes on";
    sound.run(0.7);
    EXPECT_EQ(stream.getCurrentVolume(), 0.0f);
    stream.play(true);
    sound.run(1.1);
    EXPECT_EQ(stream.getCurrentVolume(), 200.0f);
}

TEST_F(StreamTest, AFadedPauseResumesWhereItWasAndAFadedStopStartsOver)
{
    // Half-second tones, so that what is heard tells the place in the piece.
    folder.writeTones("win.wav", {300, 400, 500, 600, 700, 800, 900, 1000}, 0.5);
    FadingStream stream("Win", 255.0f, false);

    stream.play(false);
    sound.run(0.3);
    stream.pause(true);  // the piece goes on for the second of the fade: paused at 1.3 s
    sound.run(1.5);
    stream.play(true);
    sound.run(1.2);
    stream.stop(true);  // stopped at 3.5 s into the piece
    sound.run(1.2);
    stream.play(true);
    sound.run(1.2);

    EXPECT_NEAR(tone(400, 0.75), levelAt(127.5), 0.01);
    EXPECT_LT(sound.peak(1.35, 1.8), 1e-4);
    // Resumed at 1.3 s into the piece; a second of fading in later it is at 2.3 s: the fifth tone.
    EXPECT_NEAR(tone(700, 2.85), levelAt(255), 2e-3);
    EXPECT_LT(tone(300, 2.85), 1e-3);
    EXPECT_LT(sound.peak(4.05, 4.2), 1e-4);
    // Started over at 4.2 s: a second later it is one second into the piece, the third tone.
    EXPECT_NEAR(tone(500, 5.25), levelAt(255), 2e-3);
}

namespace {
// The game's background music: three looping pieces, each a tone of its own.
class FadingStreamSetTest : public SoundTest {
protected:
    static constexpr double amplitude = 0.3;  // two pieces cross-fading stay below full scale

    FadingStreamSetTest()
    {
        for (int piece = 0; piece < 3; ++piece)
            folder.writeTones("backmusic" + std::to_string(piece + 1) + ".mp3", {pieceTone[piece]}, 2.0, amplitude);
    }
    void addThreePieces()
    {
        for (const char* name : {"Background1", "Background2", "Background3"}) music.addStream(name, true);
    }
    double piece(int index, double from) const { return tone(pieceTone[index], from); }
    static double level(double volume) { return levelAt(volume, amplitude); }

    const double pieceTone[3] = {300, 500, 700};
    FadingStreamSet music{255.0f};
};
}  // namespace

TEST_F(FadingStreamSetTest, AnEmptySetRefusesToPlayAStoppedSetSwitchesSilentlyAndRandomSwitchesMove)
{
    EXPECT_GAME_ERROR(music.play(true), "no streams available");
    EXPECT_GAME_ERROR(music.switchTo(1, true), "no streams available");
    EXPECT_GAME_ERROR(music.switchToRandom(true), "no streams available");
    music.setVolume(100.0f);
    music.startAdjusting(50.0f);
    music.stopAdjusting();
    EXPECT_EQ(music.getCurrentVolume(), 0.0f);

    // Pieces may come later, as the game adds them after start-up, at the set's volume.
    addThreePieces();
    music.play(false);
    sound.run(0.2);
    music.stop(true);
    sound.run(1.2);
    music.switchTo(1, true);
    sound.run(0.5);
    EXPECT_TRUE(music.isPaused());
    music.play(false);
    sound.run(0.3);

    EXPECT_NEAR(piece(0, 0.05), level(100), 0.03 * amplitude);
    EXPECT_EQ(sound.peak(1.3, 1.9), 0.0);
    EXPECT_NEAR(piece(1, 2.0), level(100), 0.03 * amplitude);

    // A random switch always moves on, and in time reaches every piece.
    std::set<int> reached;
    for (int i = 0; i < 30; ++i) {
        const int before = music.currentIndex();
        music.switchToRandom(false);
        EXPECT_NE(music.currentIndex(), before);
        reached.insert(music.currentIndex());
    }
    EXPECT_EQ(reached.size(), 3u);
}

TEST_F(FadingStreamSetTest, SwitchingCrossFadesToAnotherPieceAndToTheSameOneChangesNothing)
{
    addThreePieces();
    music.play(true);
    sound.run(1.2);
    music.switchTo(3, true);  // 3 is piece 0 again
    sound.run(0.6);
    music.switchTo(1, true);
    EXPECT_EQ(music.currentIndex(), 1);
    sound.run(1.5);

    for (double from : {1.1, 1.4, 1.7}) EXPECT_NEAR(piece(0, from), level(255), 0.03 * amplitude) << from;
    EXPECT_LT(piece(1, 1.7), 1e-3);
    // Halfway through the switch both pieces sound at about half their volume.
    EXPECT_NEAR(piece(0, 2.25), level(127.5), 0.05 * amplitude);
    EXPECT_NEAR(piece(1, 2.25), level(127.5), 0.05 * amplitude);
    EXPECT_LT(piece(0, 3.0), 1e-3);
    EXPECT_NEAR(piece(1, 3.0), level(255), 0.03 * amplitude);
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
    EXPECT_NEAR(piece(2, 1.25), level(146.25), 0.03 * amplitude);
    EXPECT_NEAR(piece(2, 1.6), level(127.5), 0.03 * amplitude);
    EXPECT_LT(piece(0, 1.8), 1e-3);
    EXPECT_NEAR(piece(2, 2.5), level(100), 0.03 * amplitude);
    EXPECT_NEAR(piece(0, 3.3), level(100), 0.03 * amplitude);
    EXPECT_LT(piece(2, 3.3), 1e-3);
}
