// Taking a DC offset out of finished sound, round a loop and in a one-shot.
#include "tools/sound/Stereo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using assets::Stereo;

TEST(StereoTest, DcRemovalLeavesNoOffsetNoSeamAndTheToneAsItWas)
{
    // 40 Hz with whole cycles in the loop, riding on an offset of 0.2.
    Stereo loop(44100);
    for (size_t i = 0; i < loop.frames(); ++i)
        loop.left[i] = loop.right[i] =
            static_cast<float>(0.2 + 0.5 * std::sin(2.0 * std::numbers::pi * 40.0 * i / 44100.0));
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
