#include "app/KeptReplays.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TemporaryFolder.h"

namespace {
// The replays of a level by rank, each named by its content, "-" for a gap.
std::string ranksOf(const KeptReplays& kept, const std::string& level, int size)
{
    std::string ranks;
    for (int rank = 1; rank <= size; ++rank) {
        const std::string text = readText(kept.pathOf(level, rank));
        ranks += (rank > 1 ? " " : "") + (text.empty() ? "-" : text);
    }
    return ranks;
}
}  // namespace

TEST(KeptReplaysTest, NewEntriesMoveTheReplaysBelowDownAndGapsWithThem)
{
    TemporaryFolder folder;
    const std::string source = folder.file("last.replay");
    KeptReplays kept(folder.file("replays"), 4);
    EXPECT_EQ(kept.pathOf("Impossible", 3), folder.file("replays/impossible-3.replay"));

    const struct {
        int rank;
        std::string content, ranks;
    } steps[] = {
        {1, "a", "a - - -"},                       // the folder is made on the way
        {1, "b", "b a - -"}, {4, "c", "b a - c"},  // a gap stays where the table has an entry without a replay
        {2, "d", "b d a -"},                       // the gap moved down and pushed c out
        {1, "e", "e b d a"}, {3, "f", "e b f d"},
    };
    for (const auto& step : steps) {
        writeFile(source, {step.content.begin(), step.content.end()});
        EXPECT_TRUE(kept.keep("Easy", step.rank, source));
        EXPECT_EQ(ranksOf(kept, "easy", 4), step.ranks) << "after " << step.content;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("replays")), {}), 4);
    EXPECT_EQ(ranksOf(kept, "hard", 4), "- - - -");

    EXPECT_FALSE(kept.keep("Easy", 0, source));
    EXPECT_FALSE(kept.keep("Easy", 5, source));
    EXPECT_EQ(ranksOf(kept, "easy", 4), "e b f d");
    EXPECT_FALSE(kept.keep("Easy", 2, folder.file("none.replay"))) << "no replay was recorded";
    EXPECT_EQ(ranksOf(kept, "easy", 4), "e - b f") << "the new entry is a gap";
}
