#include "sound/Stream.h"

#include "scene/GameError.h"
#include "sound/Sample.h"
#include "tests/support/LoopbackSound.h"
#include "tests/support/TemporarySoundFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double amplitude = 0.5;  // of the test files unless said otherwise

// Ten tones of 0.1 s each: the one heard tells where in the file a stream is.
const std::vector<double> steps = {300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200};

class StreamTest : public ::testing::Test {
protected:
    TemporarySoundFolder folder;
    LoopbackSound sound;
};
}  // namespace

TEST(StreamNameTest, UnknownNamesAreRefused)
{
    for (const char* name : {"menu", "Explosion", "Background4", ""}) {
        try {
            streamFileName(name);
            ADD_FAILURE() << "accepted \"" << name << '"';
        } catch (const GameError& error) {
            EXPECT_STREQ(error.what(), "Stream not aviable");
        }
    }
    EXPECT_EQ(streamFileName("Background"), streamFileName("Background1"));
}

TEST_F(StreamTest, PauseKeepsThePlaceAndStopStartsOver)
{
    folder.writeTones("win.wav", steps, 0.1);
    Stream stream("Win", 255.0f, false);

    stream.play();
    sound.run(0.25);  // into the third tone
    stream.pause();
    EXPECT_TRUE(stream.isPaused());
    sound.run(0.2);
    stream.play();
    EXPECT_FALSE(stream.isPaused());
    sound.run(0.2);
    stream.stop();
    sound.run(0.1);
    stream.play();
    sound.run(0.1);

    EXPECT_LT(sound.peak(0.28, 0.45), 1e-4);
    // Resumed at 0.45 s where it left off at 0.25 s: the rest of the third tone, then the fourth.
    EXPECT_NEAR(sound.toneLevel(600, 0.50, 0.60), amplitude, 2e-3);
    EXPECT_LT(sound.peak(0.68, 0.75), 1e-4);
    EXPECT_NEAR(sound.toneLevel(300, 0.75, 0.85), amplitude, 2e-3);
}

TEST_F(StreamTest, LoopingWavRepeatsWithoutAGapOrClick)
{
    // 132 whole periods: looped end to end, the file is one unbroken sine.
    folder.writeTone("engine.wav", 440, 0.3);
    Stream stream("Engine", 255.0f, true);

    sound.run(0.1);
    stream.play();
    sound.run(2.0);  // six wraps, and many refills of the stream's buffers

    const std::vector<float>& left = sound.left();
    const std::size_t start = LoopbackSound::rate / 10;
    double worst = 0.0;
    for (std::size_t i = start; i < left.size(); ++i) {
        const double t = static_cast<double>(i - start) / LoopbackSound::rate;
        const double expected = amplitude * std::sin(2.0 * std::numbers::pi * 440.0 * t);
        worst = std::max(worst, std::fabs(left[i] - expected));
    }
    EXPECT_LT(worst, 2e-4) << "the mix left the sine somewhere";
}

TEST_F(StreamTest, MusicGoesOnAfterAFrameLongerThanItsBuffers)
{
    folder.writeTone("menu.mp3", 440, 1.0);
    Stream stream("Menu", 255.0f, true);

    stream.play();
    sound.run(0.5);
    sound.run(2.0, 2.0);  // a hitch, as while a level loads: the stream runs dry
    sound.run(0.5);

    EXPECT_NEAR(sound.toneLevel(440, 2.7, 2.9), amplitude, 0.02 * amplitude);
}

TEST_F(StreamTest, APieceThatEndedPlaysAgainFromItsBeginning)
{
    folder.writeTones("lose.wav", {300, 600}, 0.2);
    Stream stream("Lose", 255.0f, false);

    stream.play();
    sound.run(0.6);
    stream.play();  // no stop in between, as the game does with its jingles
    sound.run(0.3);

    EXPECT_NEAR(sound.toneLevel(600, 0.25, 0.35), amplitude, 2e-3);
    EXPECT_LT(sound.peak(0.45, 0.6), 1e-4);
    EXPECT_NEAR(sound.toneLevel(300, 0.65, 0.75), amplitude, 2e-3);
}

TEST_F(StreamTest, AFinishedPieceNoLongerReachesTheSoundThatGotItsChannel)
{
    folder.writeTone("lose.wav", 300, 0.1);
    folder.writeTone("boom.wav", 500, 0.5);
    Stream jingle("Lose", 255.0f, false);
    const Sample shot("Projectile", 255.0f);

    jingle.play();
    sound.run(0.2);
    shot.play();  // takes the channel the jingle has given back
    jingle.setVolume(0.0f);
    jingle.pause();
    sound.run(0.3);

    EXPECT_NEAR(sound.toneLevel(500, 0.3, 0.4), amplitude, 2e-3);
}

TEST_F(StreamTest, FiveStreamsPlayAtOnce)
{
    const double quiet = 0.15;  // five at once stay below full scale
    folder.writeTone("backmusic1.mp3", 300, 1.0, quiet);
    folder.writeTone("backmusic2.mp3", 500, 1.0, quiet);
    folder.writeTone("backmusic3.mp3", 700, 1.0, quiet);
    folder.writeTone("menu.mp3", 900, 1.0, quiet);
    folder.writeTone("engine.wav", 1100, 0.5, quiet);
    Stream streams[] = {{"Background1", 255.0f, true},
                        {"Background2", 255.0f, true},
                        {"Background3", 255.0f, true},
                        {"Menu", 255.0f, true},
                        {"Engine", 255.0f, true}};

    for (Stream& stream : streams) stream.play();
    sound.run(1.5);

    for (double frequency : {300, 500, 700, 900, 1100}) {
        EXPECT_NEAR(sound.toneLevel(frequency, 1.2, 1.4), quiet, 0.03 * quiet) << frequency << " Hz";
    }
}

TEST_F(StreamTest, EffectsNeverTakeTheChannelOfAStream)
{
    folder.writeTone("menu.mp3", 300, 2.0);
    folder.writeTone("boom.wav", 500, 2.0);
    Stream music("Menu", 255.0f, true);
    const Sample shot("Projectile", 2.0f);

    music.play();
    sound.run(0.2);
    for (int i = 0; i < 40; ++i) shot.play();
    sound.run(0.4);

    EXPECT_NEAR(sound.toneLevel(300, 0.4, 0.5), amplitude, 0.02 * amplitude);
    EXPECT_GT(sound.toneLevel(500, 0.4, 0.5), 0.0);
}

TEST_F(StreamTest, APausedStreamLendsItsChannelAndGoesOnWhereItWas)
{
    folder.writeTones("win.wav", steps, 0.1);
    folder.writeTone("boom.wav", 1500, 2.0);
    Stream jingle("Win", 255.0f, false);
    const Sample shot("Projectile", 4.0f);
    const double shotLevel = amplitude * 4 / 255;  // of each shot; all of them start in phase

    jingle.play();
    sound.run(0.25);  // into the third tone, past the first of the stream's buffers
    jingle.pause();
    for (int i = 0; i < 32; ++i) shot.play();  // one channel more than the effects had
    sound.run(0.2);
    jingle.play();  // back on a shot's channel
    sound.run(0.3);

    EXPECT_NEAR(sound.toneLevel(1500, 0.3, 0.4), 32 * shotLevel, 1e-3);
    EXPECT_NEAR(sound.toneLevel(600, 0.5, 0.6), amplitude, 2e-3);
    EXPECT_NEAR(sound.toneLevel(1500, 0.5, 0.6), 31 * shotLevel, 1e-3);
}

TEST_F(StreamTest, MissingDamagedAndEmptyFilesStaySilentThroughEveryCall)
{
    folder.writeBytes("win.wav", "RIFF\x24\x00\x00\x00WAVEnot really a wave file");
    folder.writeBytes("lose.wav", "");
    folder.writeTone("engine.wav", 440, 0.0);  // valid, without a frame: looping it must not spin
    Stream streams[] = {
        {"Menu", 255.0f, true}, {"Win", 255.0f, false}, {"Lose", 255.0f, false}, {"Engine", 255.0f, true}};

    for (Stream& stream : streams) {
        stream.play();
        stream.setVolume(200.0f);
    }
    sound.run(0.2);
    for (Stream& stream : streams) {
        stream.pause();
        stream.play();
        EXPECT_FALSE(stream.isPaused());
        stream.stop();
        EXPECT_TRUE(stream.isPaused());
        stream.play();
    }
    sound.run(0.2);

    EXPECT_EQ(sound.peak(0.0, 0.4), 0.0);
}
