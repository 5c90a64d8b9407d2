// Level and loop seams of finished sound: the limiter's ceiling, its smoothness round a
// loop, closing loops by cross-fading, and taking out a DC offset.
#include "tools/common/Random.h"
#include "tools/music/Mastering.h"
#include "tools/sound/Stereo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using assets::Mastering;
using assets::Stereo;

namespace {
// A sine with a loud burst in the middle: most of it needs no limiting, the burst does.
Stereo burstySine(size_t frames)
{
    Stereo s(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double burst = (i > frames / 2 && i < frames / 2 + 2000) ? 4.0 : 1.0;
        s.left[i] = s.right[i] = static_cast<float>(0.2 * burst * std::sin(2.0 * std::numbers::pi * 441.0 * i / 44100.0));
    }
    return s;
}
}  // namespace

TEST(MasteringTest, LimiterHoldsTheCeilingAndLeavesQuietPartsAlone)
{
    Stereo s = burstySine(44100);
    Mastering::master(s, 6.0, 2.0, false);
    EXPECT_LE(s.peak(), std::pow(10.0, -2.0 / 20.0) + 1e-6);
    // Well away from the burst only the make-up gain applies: 0.2 / 0.8 * 2 (6 dB).
    float quiet = 0.0f;
    for (size_t i = 2000; i < 10000; ++i) quiet = std::max(quiet, std::abs(s.left[i]));
    EXPECT_NEAR(quiet, 0.25 * std::pow(10.0, 6.0 / 20.0), 0.01);
}

TEST(MasteringTest, LimitingRoundALoopKeepsItsSeamSmooth)
{
    // Loud material right at the end: a limiter that did not run round the loop would
    // start the next pass at full gain and jump.
    const size_t n = 44100;
    Stereo s(n);
    for (size_t i = 0; i < n; ++i) {
        const double level = i > n - 3000 || i < 3000 ? 1.0 : 0.3;
        s.left[i] = s.right[i] = static_cast<float>(level * std::sin(2.0 * std::numbers::pi * 100.0 * i / 44100.0));
    }
    Mastering::master(s, 6.0, 2.0, true);
    float largestStep = 0.0f;
    for (size_t i = 0; i + 1 < n; ++i) largestStep = std::max(largestStep, std::abs(s.left[i + 1] - s.left[i]));
    EXPECT_LE(std::abs(s.left[0] - s.left[n - 1]), largestStep * 1.05f);
}

TEST(StereoTest, ClosedLoopOfNoiseHasNoSeamAndKeepsItsLevel)
{
    assets::Random random(5);
    Stereo s(30000);
    for (size_t i = 0; i < s.frames(); ++i) s.left[i] = s.right[i] = static_cast<float>(random.uniform(-0.5, 0.5));
    // Low-pass it so that neighbouring samples are close, as in real sound.
    for (size_t i = 1; i < s.frames(); ++i) s.left[i] = s.right[i] = 0.9f * s.left[i - 1] + 0.1f * s.left[i];
    double before = 0.0;
    for (size_t i = 0; i < 20000; ++i) before += s.left[i] * s.left[i];
    s.closeLoop(5000.0 / 44100.0, true);
    ASSERT_EQ(s.frames(), 25000u);
    float largestStep = 0.0f;
    for (size_t i = 0; i + 1 < s.frames(); ++i) largestStep = std::max(largestStep, std::abs(s.left[i + 1] - s.left[i]));
    EXPECT_LE(std::abs(s.left[0] - s.left[s.frames() - 1]), largestStep);
    double inFade = 0.0;
    for (size_t i = 0; i < 5000; ++i) inFade += s.left[i] * s.left[i];
    EXPECT_NEAR(inFade / 5000.0, before / 20000.0, 0.35 * before / 20000.0) << "equal-power fade keeps the level";
}

TEST(StereoTest, DcRemovalLeavesNoOffsetNoSeamAndTheToneAsItWas)
{
    // 40 Hz with whole cycles in the loop, riding on an offset of 0.2.
    Stereo loop(44100);
    for (size_t i = 0; i < loop.frames(); ++i)
        loop.left[i] = loop.right[i] = static_cast<float>(0.2 + 0.5 * std::sin(2.0 * std::numbers::pi * 40.0 * i / 44100.0));
    Stereo oneShot = loop;
    oneShot.fadeIn(0.1);
    oneShot.fadeOut(0.1);

    loop.removeDc(true);
    oneShot.centre();

    auto mean = [](const Stereo& s) {
        double sum = 0.0;
        for (float v : s.left) sum += v;
        return sum / static_cast<double>(s.frames());
    };
    EXPECT_NEAR(mean(loop), 0.0, 1e-4);
    EXPECT_NEAR(loop.peak(), 0.5 / std::hypot(1.0, 5.0 / 40.0), 2e-3) << "a first-order high-pass at 5 Hz";
    EXPECT_LT(std::abs(loop.left[0] - loop.left[loop.frames() - 1]), 0.01f);
    EXPECT_NEAR(mean(oneShot), 0.0, 1e-6);
    EXPECT_LT(std::abs(oneShot.left.front()), 1e-4f);
    EXPECT_LT(std::abs(oneShot.left.back()), 1e-4f);
}
