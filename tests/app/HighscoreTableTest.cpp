#include "app/HighscoreTable.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

namespace {
// Every level of a table as the screens show it: "name score," per entry, "|" after each level.
std::string shown(HighscoreTable& table)
{
    std::string text;
    for (int level = 0; level < 4; ++level) {
        for (const HighscoreEntry& entry : table.entries(level))
            text += entry.name + " " + std::to_string(entry.score) + ",";
        text += "|";
    }
    return text;
}
}  // namespace

TEST(HighscoreTableTest, QualificationAndRanking)
{
    const TemporaryFolder folder;
    HighscoreTable table(folder.file("highscores.dat"), 4);
    EXPECT_FALSE(table.qualifies(1, 0));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(table.add(1, 500 + 10 * i, "p" + std::to_string(i)), 1);
    EXPECT_FALSE(table.qualifies(1, 500)) << "equal to the tenth does not qualify for a full list";
    EXPECT_TRUE(table.qualifies(1, 501));
    EXPECT_EQ(table.add(1, 550, "late"), 6) << "the rank where it landed, after the equal score";
    EXPECT_EQ(table.add(1, 510, "tied with the last"), 0);
    EXPECT_FALSE(table.qualifies(7, 1000)) << "no such level";
    const auto& list = table.entries(1);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[5].name, "late") << "an equal score goes after the earlier one";
    EXPECT_EQ(list.back().score, 510) << "the lowest fell out";
}

TEST(HighscoreTableTest, NamesAreStoredAsTheyReadBack)
{
    const TemporaryFolder folder;
    const std::string path = folder.file("highscores.dat");
    HighscoreTable table(path, 4);
    table.add(0, 300, "Ann");
    table.add(2, 100, "Cy");
    table.add(0, 500, "Bob");
    EXPECT_EQ(readText(path), "Bob\n500\nAnn\n300\n\n\nCy\n100\n\n\n");

    // An empty name would end the level early, a line break would split the name, and a line
    // too long would stop the reading of the whole file at the next start.
    table.add(3, 900, "");
    table.add(1, 700, "Hal\r");
    table.add(1, 600, "Ida\nSecond line");
    table.add(1, 500, std::string(150, 'y'));
    table.add(1, 400, "\nJo");
    const std::string expected =
        "Bob 500,Ann 300,|Hal 700,Ida 600," + std::string(99, 'y') + " 500,unknown 400,|Cy 100,|unknown 900,|";
    EXPECT_EQ(shown(table), expected);
    HighscoreTable again(path, 4);
    EXPECT_EQ(shown(again), expected);

    HighscoreTable unwritable(folder.file("missing/highscores.dat"), 4);
    unwritable.add(0, 10, "Gus");
    EXPECT_EQ(shown(unwritable), "Gus 10,||||") << "a failed save keeps the table in memory";
}

TEST(HighscoreTableTest, AFileIsReadAsFarAsItGoesAndTheRestKeptAside)
{
    std::string unsorted;
    for (int score : {5, 90, 40, 120, 7, 66, 1, 300, 80, 12, 45, 2})
        unsorted += "n" + std::to_string(score) + "\n" + std::to_string(score) + "\n";
    const struct {
        std::string content, shown, copy;  // the file, the table read, the damaged file's copy
    } loads[] = {
        {unsorted + "\n", "n300 300,n120 120,n90 90,n80 80,n66 66,n45 45,n40 40,n12 12,n7 7,n5 5,||||", ""},
        {"Fay\r\n70\r\n\r\nGil\r\r\n20\r\n\r\n", "Fay 70,|Gil 20,|||", ""},  // converted twice
        {"Ann\n400\nBob\n300 \nCy\n200\n\n", "Ann 400,Bob 300,||||", ".damaged"},
        {"Dee\nlots\n", "||||", ".damaged.1"},  // an older copy is not overwritten
        {std::string(150, 'x') + "\n10\n", "||||", ".damaged.2"},
    };
    const TemporaryFolder folder;
    const std::string path = folder.file("highscores.dat");
    const RecordingPlatform platform;
    for (const auto& [content, table, copy] : loads) {
        writeFile(path, {content.begin(), content.end()});
        HighscoreTable loaded(path, 4);
        EXPECT_EQ(shown(loaded), table) << readText(path);
        if (!copy.empty()) {
            EXPECT_EQ(readText(path + copy), content) << "the unreadable rest is not lost for good";
            EXPECT_NE(platform.lastMessage.find(path + copy), std::string::npos) << "the player is told";
        }
        HighscoreTable reread(path, 4);
        EXPECT_EQ(shown(reread), table) << "rewritten in its normal form, with no further copy";
    }
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged.3"));
    EXPECT_EQ(platform.messages.size(), 3u);
}
