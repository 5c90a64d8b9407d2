// The level of detail by size on screen.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scene/Model.h"

TEST(ModelDetailTest, SmallerOutlinesGetCoarserLevelsWithinTheLevelsThereAre)
{
    constexpr double infinite = std::numeric_limits<double>::infinity();
    for (int levels : {1, 2, 3, 5}) {
        SCOPED_TRACE(levels);
        int previous = 0;
        bool seen[5] = {};
        for (double pixels = 4 * Model::fullDetailPixels; pixels > 0.01; pixels *= 0.9) {
            const int level = Model::detailLevelFor(pixels, levels);
            EXPECT_GE(level, previous) << pixels << " pixels";
            ASSERT_LT(level, levels);
            seen[level] = true;
            previous = level;
        }
        for (int level = 0; level < levels; ++level) EXPECT_TRUE(seen[level]) << "level " << level;
        EXPECT_EQ(Model::detailLevelFor(Model::fullDetailPixels, levels), 0);
        EXPECT_EQ(Model::detailLevelFor(infinite, levels), 0) << "the eye inside";
        EXPECT_EQ(Model::detailLevelFor(std::nan(""), levels), 0);
    }
    // Each coarser level has triangles twice the size, so it takes over at half the outline.
    for (int level = 1; level < 4; ++level) {
        const double takeover = Model::fullDetailPixels / std::pow(2.0, level - 1);
        EXPECT_EQ(Model::detailLevelFor(takeover, 5), level - 1) << takeover;
        EXPECT_EQ(Model::detailLevelFor(takeover * 0.99, 5), level) << takeover;
    }
}
