#include "world/Random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {
// Twenty world draws, with presentation draws between them when asked.
std::vector<double> worldDraws(bool withPresentation = false)
{
    std::vector<double> drawn;
    for (int i = 0; i < 20; ++i) {
        if (withPresentation) {
            presentationRandomDouble(0, 360);
            presentationRandomInt(1, 3);
        }
        drawn.push_back(randomDouble(0, 32767));
    }
    return drawn;
}
}  // namespace

TEST(RandomTest, RangesAreInclusiveAndCovered)
{
    seedRandom(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        seen.insert(randomInt(3, 5));
        const double d = randomDouble(2.0, -1.0);  // reversed range
        ASSERT_TRUE(d >= -1.0 && d <= 2.0) << d;
    }
    EXPECT_EQ(seen, (std::set<int>{3, 4, 5}));
    EXPECT_EQ(randomInt(4, 3), 4) << "an empty range returns instead of looping forever";
}

TEST(RandomTest, ASeedFixesTheWorldsSequenceWhateverThePresentationDraws)
{
    seedRandom(42);
    const std::vector<double> first = worldDraws();
    seedRandom(42);
    EXPECT_EQ(worldDraws(true), first);
    seedRandom(43);
    EXPECT_NE(worldDraws(), first);

    // Old replays need the very same numbers: seed 0 starts with splitmix64's published first
    // output, 0xe220a8397b1dcdaf, of which a draw takes the top 15 bits.
    seedRandom(0);
    EXPECT_EQ(randomDouble(0, 32767), 0xe220a8397b1dcdafu >> 49);

    seedRandom(5);
    const double x = randomDouble(-1, 1), y = randomDouble(-1, 1), z = randomDouble(-1, 1);
    seedRandom(5);
    const Vector box = randomBoxVector(-1, 1);
    EXPECT_EQ(std::vector<double>({box.x(), box.y(), box.z()}), std::vector<double>({x, y, z})) << "x, then y, then z";
}
