#include "world/Random.h"

#include <gtest/gtest.h>

#include <set>

TEST(RandomTest, RangesAreInclusiveAndCovered)
{
    seedRandom(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int k = randomInt(3, 5);
        ASSERT_GE(k, 3);
        ASSERT_LE(k, 5);
        seen.insert(k);
        const double d = randomDouble(2.0, -1.0);  // reversed range
        ASSERT_GE(d, -1.0);
        ASSERT_LE(d, 2.0);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(randomInt(4, 4), 4);
    EXPECT_EQ(randomInt(4, 3), 4) << "an empty range returns instead of looping forever";
}
