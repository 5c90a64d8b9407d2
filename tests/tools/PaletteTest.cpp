// Median-cut reduction to 256 colours, as used for the paletted texture.
#include "tools/common/Palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using assets::Image;
using assets::Palette;
using assets::Rgb;

TEST(PaletteTest, FewColoursComeThroughExactly)
{
    Image image(16, 16);
    const Rgb colours[3] = {{1.0f, 0.0f, 0.0f}, {0.2f, 0.4f, 0.6f}, {1.0f, 1.0f, 1.0f}};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) image.at(x, y) = colours[(x + y) % 3];
    const auto p = Palette::quantize(image);
    std::set<int> used(p.indices.begin(), p.indices.end());
    EXPECT_EQ(used.size(), 3u);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const Rgb& got = p.palette[p.indices[y * 16 + x]];
            const Rgb& want = colours[(x + y) % 3];
            EXPECT_NEAR(got.r, std::round(want.r * 255) / 255, 1e-6);
            EXPECT_NEAR(got.b, std::round(want.b * 255) / 255, 1e-6);
        }
}

TEST(PaletteTest, SmoothGradientsStayClose)
{
    Image image(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) image.at(x, y) = Rgb{x / 63.0f, y / 63.0f, (x + y) / 126.0f};
    const auto p = Palette::quantize(image);
    double worst = 0.0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Rgb& got = p.palette[p.indices[y * 64 + x]];
            worst = std::max({worst, std::abs(got.r - image.at(x, y).r) * 255.0, std::abs(got.g - image.at(x, y).g) * 255.0});
        }
    EXPECT_LT(worst, 24.0) << "4096 colours squeezed into 256";
}
