// The help and highscore screens: what they show and how they page.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/HelpScreen.h"
#include "app/HighscoreScreen.h"
#include "tests/support/TemporaryFolder.h"

TEST(ScreensTest, APadAddsAColumnToTheFirstHelpPageAndHighscoresPageThroughTheLevels)
{
    HelpScreen help;
    help.show();
    help.setPadColumn(true);
    ASSERT_EQ(help.fields().size(), 5u);
    EXPECT_EQ(help.fields()[3]->getLines()[7], "select asteroid");
    EXPECT_EQ(help.fields()[4]->getLines()[7], "west button (X)") << "beside its key's action";
    help.show();
    EXPECT_EQ(help.fields().size(), 4u);

    // The highscores page through the levels.
    const TemporaryFolder folder;
    HighscoreTable table(folder.file("highscores.dat"), 4);
    table.add(3, 900, "Ann");
    table.add(3, 700, "Bob");
    const KeptReplays replays("kept", HighscoreTable::maxEntries);
    HighscoreScreen screen(table, replays, {"Easy", "Medium", "Hard", "Impossible"});
    screen.show(3);
    ASSERT_EQ(screen.fields().size(), 6u);
    EXPECT_EQ(screen.fields()[3]->getText(), "Ann\nBob");
    EXPECT_EQ(screen.fields()[4]->getText(), "900\n700");
    EXPECT_NE(screen.fields()[5]->getText().find("rubblestorm --play " + replays.pathOf("Impossible", 1)),
              std::string::npos)
        << "where the games of the table are kept, and how to play them";
    screen.nextPage();
    EXPECT_EQ(screen.shownLevel(), 0) << "from the last level back to the first";
    EXPECT_EQ(screen.fields()[3]->getText(), "");
    EXPECT_EQ(screen.fields()[5]->getText(), "") << "no replays to speak of";
}
