// The music plays on while the game's main loop stalls: the mix is taken at the pace of the
// clock, as a sound card takes it, while the game's side calls nothing for three seconds, four
// times the length of a stream's queue. Only the device's own refill thread can keep the queue
// fed meanwhile. Suites named *RealTimeTest keep to the clock and run alone (RUN_SERIAL).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "sound/SoundFile.h"
#include "sound/Stream.h"
#include "tests/support/DataFolder.h"
#include "tests/support/LoopbackSound.h"

namespace {
struct StreamRealTimeTest : SoundTest {};

// The root mean square of `frames` interleaved stereo frames, 1 being full scale.
template <class Sample>
double levelOf(const Sample* interleaved, std::size_t frames, double fullScale)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < 2 * frames; ++i) sum += std::pow(interleaved[i] / fullScale, 2);
    return std::sqrt(sum / static_cast<double>(2 * frames));
}
}  // namespace

TEST_F(StreamRealTimeTest, MenuMusicPlaysOnThroughAStallOfTheMainLoop)
{
    constexpr double stallSeconds = 3.0;
    constexpr std::size_t windowFrames = 882;  // 20 ms
    constexpr double audible = 1e-3;           // -60 dBFS: below it the file counts as silent there
    std::filesystem::copy_file(DataFolder::path("Sound/menu.mp3"), folder.soundFile("menu.mp3"));
    Stream menu("Menu", 255.0f, true);
    menu.play();
    sound.renderInRealTime(stallSeconds, 0.02);

    // The file's own frames over the same stretch: at full volume the mix is the file itself.
    SoundFile file(folder.soundFile("menu.mp3").string());
    const auto frames = static_cast<std::size_t>(stallSeconds * LoopbackSound::rate);
    std::vector<std::int16_t> expected(2 * frames);
    ASSERT_EQ(file.read(expected.data(), frames), frames);
    std::vector<float> mixed;
    for (std::size_t i = 0; i < frames; ++i) mixed.insert(mixed.end(), {sound.left()[i], sound.right()[i]});
    int soundingWindows = 0, gaps = 0;
    double firstGap = 0.0;
    for (std::size_t start = 0; start + windowFrames <= frames; start += windowFrames) {
        const double fileLevel = levelOf(&expected[2 * start], windowFrames, 32768.0);
        if (fileLevel < audible) continue;
        ++soundingWindows;
        if (levelOf(&mixed[2 * start], windowFrames, 1.0) < 0.5 * fileLevel && gaps++ == 0)
            firstGap = static_cast<double>(start) / LoopbackSound::rate;
    }
    EXPECT_GT(soundingWindows, 100) << "the file is too quiet over these seconds to tell anything";
    EXPECT_EQ(gaps, 0) << "windows of 20 ms where the music dropped out, the first at " << firstGap << " s";
}
