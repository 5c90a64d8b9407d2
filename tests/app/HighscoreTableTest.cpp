#include "app/HighscoreTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

namespace {
class HighscoreTableTest : public ::testing::Test {
protected:
    void write(const std::string& content) const { std::ofstream(path, std::ios::binary) << content; }
    static std::string read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TemporaryFolder folder;
    std::string path = folder.file("highscores.dat");
};
}  // namespace

TEST_F(HighscoreTableTest, WritesTheDocumentedFormat)
{
    HighscoreTable table(path, 4);
    table.add(0, 300, "Ann");
    table.add(2, 100, "Cy");
    table.add(0, 500, "Bob");
    EXPECT_EQ(read(path), "Bob\n500\nAnn\n300\n\n\nCy\n100\n\n\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    HighscoreTable again(path, 4);
    ASSERT_EQ(again.entries(0).size(), 2u);
    EXPECT_EQ(again.entries(0)[0].name, "Bob");
    EXPECT_EQ(again.entries(2)[0].score, 100);
    EXPECT_TRUE(again.entries(1).empty());
}

TEST_F(HighscoreTableTest, QualificationAndRanking)
{
    HighscoreTable table(path, 4);
    EXPECT_FALSE(table.qualifies(1, 0));
    EXPECT_TRUE(table.qualifies(1, 1));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(table.add(1, 500 + 10 * i, "p" + std::to_string(i)), 1);
    EXPECT_FALSE(table.qualifies(1, 500)) << "equal to the tenth does not qualify for a full list";
    EXPECT_TRUE(table.qualifies(1, 501));
    EXPECT_EQ(table.add(1, 550, "late"), 6) << "the rank where it landed, after the equal score";
    EXPECT_EQ(table.add(1, 510, "tied with the last"), 0);
    EXPECT_EQ(table.add(7, 1000, "nowhere"), 0);
    const auto& list = table.entries(1);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[4].name, "p5") << "an equal score goes after the earlier one";
    EXPECT_EQ(list[5].name, "late");
    EXPECT_EQ(list.back().score, 510) << "the lowest fell out";
    EXPECT_FALSE(table.qualifies(7, 1000)) << "no such level";
}

TEST_F(HighscoreTableTest, UnsortedAndOverlongLevelsLoadAsTheTenBest)
{
    std::string content;
    for (int score : {5, 90, 40, 120, 7, 66, 1, 300, 80, 12, 45, 2})
        content += "n" + std::to_string(score) + "\n" + std::to_string(score) + "\n";
    write(content + "\n");
    HighscoreTable table(path, 4);
    const auto& list = table.entries(0);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front().score, 300);
    EXPECT_EQ(list.back().score, 5);
    EXPECT_TRUE(table.entries(3).empty()) << "the file ended after the first level";
    EXPECT_EQ(read(path).substr(0, 9), "n300\n300\n") << "rewritten in its normal form";
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged")) << "nothing was lost";
}

TEST_F(HighscoreTableTest, ADamagedFileKeepsWhatWasReadAndTheRestAside)
{
    const RecordingPlatform platform;
    const std::string damaged = "Ann\n400\nBob\n300 \nCy\n200\n\n";
    write(damaged);
    HighscoreTable table(path, 4);
    ASSERT_EQ(table.entries(0).size(), 2u) << "reading ends after the score followed by a space";
    EXPECT_EQ(table.entries(0)[1].name, "Bob");
    EXPECT_EQ(read(path + ".damaged"), damaged) << "the unreadable rest is not lost for good";

    write("Dee\nlots\n");  // a score that is not a number
    HighscoreTable other(path, 4);
    EXPECT_TRUE(other.entries(0).empty());
    EXPECT_EQ(read(path + ".damaged.1"), "Dee\nlots\n") << "an older copy is not overwritten";

    write(std::string(150, 'x') + "\n10\n");  // a name too long for the table
    HighscoreTable third(path, 4);
    EXPECT_TRUE(third.entries(0).empty());
    EXPECT_TRUE(std::filesystem::exists(path + ".damaged.2"));

    // Nothing of it was readable, yet it was replaced: the next start finds a sound file and
    // makes no further copy.
    HighscoreTable fourth(path, 4);
    EXPECT_TRUE(fourth.entries(0).empty());
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged.3"));
    ASSERT_EQ(platform.messages.size(), 3u) << "the player is told of each copy in the window";
    EXPECT_NE(platform.messages[2].find(path + ".damaged.2"), std::string::npos);
}

TEST_F(HighscoreTableTest, NamesThatWouldNotReadBack)
{
    HighscoreTable table(path, 4);
    table.add(3, 900, "");
    table.add(3, 800, "Eve");
    HighscoreTable again(path, 4);
    ASSERT_EQ(again.entries(3).size(), 2u) << "an empty name would end the level early";
    EXPECT_EQ(again.entries(3)[0].name, "unknown");

    // A line break would split the name or end it early, and a line too long would stop the
    // reading of the whole file at the next start.
    table.add(1, 700, "Hal\r");
    table.add(1, 600, "Ida\nSecond line");
    table.add(1, 500, std::string(150, 'y'));
    table.add(1, 400, "\nJo");
    HighscoreTable breaks(path, 4);
    ASSERT_EQ(breaks.entries(1).size(), 4u);
    EXPECT_EQ(breaks.entries(1)[0].name, "Hal");
    EXPECT_EQ(breaks.entries(1)[1].name, "Ida");
    EXPECT_EQ(breaks.entries(1)[2].name, std::string(99, 'y'));
    EXPECT_EQ(breaks.entries(1)[3].name, "unknown");
    EXPECT_EQ(breaks.entries(3).size(), 2u) << "the levels after the long name were read too";
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged"));

    write("Fay\r\n70\r\n\r\nGil\r\r\n20\r\n\r\n");
    HighscoreTable windows(path, 4);
    ASSERT_EQ(windows.entries(0).size(), 1u);
    EXPECT_EQ(windows.entries(0)[0].name, "Fay");
    ASSERT_EQ(windows.entries(1).size(), 1u);
    EXPECT_EQ(windows.entries(1)[0].name, "Gil") << "a file converted twice";
    HighscoreTable reread(path, 4);
    EXPECT_EQ(reread.entries(1)[0].name, "Gil") << "the name reads back the same after the rewrite";
}

TEST_F(HighscoreTableTest, AFailedSaveKeepsTheTableInMemory)
{
    HighscoreTable table((folder.path() / "missing" / "highscores.dat").string(), 4);
    table.add(0, 10, "Gus");
    ASSERT_EQ(table.entries(0).size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}
