// The rock textures repeat across each asteroid (GL_REPEAT): their opposite edges must
// continue into each other, or every rock shows straight seams.
#include "tools/models/RockTexture.h"

#include <gtest/gtest.h>

#include <cmath>

using assets::Image;
using assets::RockTexture;

namespace {
double columnStep(const Image& image, int a, int b)
{
    double sum = 0.0;
    for (int y = 0; y < image.height(); ++y) sum += std::abs(image.at(a, y).g - image.at(b, y).g);
    return sum / image.height();
}
double rowStep(const Image& image, int a, int b)
{
    double sum = 0.0;
    for (int x = 0; x < image.width(); ++x) sum += std::abs(image.at(x, a).g - image.at(x, b).g);
    return sum / image.width();
}
}  // namespace

TEST(RockTextureTest, OppositeEdgesJoinLikeNeighbouringTexels)
{
    for (auto style : {RockTexture::Style::Layered, RockTexture::Style::Cracked, RockTexture::Style::Pitted}) {
        const Image image = RockTexture::make(style, 128, 3);
        const int n = image.width();
        double inside = 0.0;
        for (int k = 1; k < n; k += 8) inside += columnStep(image, k - 1, k) + rowStep(image, k - 1, k);
        inside /= 2.0 * ((n - 1) / 8 + 1);
        EXPECT_LT(columnStep(image, n - 1, 0), 2.0 * inside);
        EXPECT_LT(rowStep(image, n - 1, 0), 2.0 * inside);
    }
}

TEST(RockTextureTest, StaysBrightAndGreyForTheKindsTints)
{
    const Image image = RockTexture::make(RockTexture::Style::Cracked, 128, 3);
    double sum = 0.0, tint = 0.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto& c = image.at(x, y);
            sum += c.g;
            tint = std::max(tint, static_cast<double>(std::abs(c.r - c.b)));
        }
    const double mean = sum / (image.width() * image.height());
    EXPECT_GT(mean, 0.5) << "tints and lighting darken it a lot in the game";
    EXPECT_LT(mean, 0.9);
    EXPECT_LT(tint, 0.08);
}
