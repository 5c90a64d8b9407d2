// The game flow with the real menus, screens and world: paths of input as a table, then the rest.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/Level.h"
#include "app/MessageQueue.h"
#include "overlay/MessageBox.h"
#include "overlay/ScreenTextPoint.h"
#include "sound/GameSounds.h"
#include "tests/support/GameStage.h"
#include "world/Rocket.h"

namespace {
constexpr unsigned char escape = GameStage::escape;
using GameFlowGLTest = GameStage;

enum World { NoWorld, Moving, Still };

struct Row {
    // Steps: a key, "esc", "enter", "F7", "shift", "right" (the button), "start", "points",
    // "lost", "won" or "menu:<entry>".
    std::string path;
    GameState state;
    World world = NoWorld;  // and the game clock with it
    bool gameMenu = false;
    int page = -1;            // the help page or the highscore level shown
    std::size_t entries = 0;  // in the first level's highscore table
    int exitStatus = -1;
    std::size_t rockets = 0;  // launched
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.path; }

struct GameStatesGLTest : GameStage, ::testing::WithParamInterface<Row> {
    const std::map<std::string, int> specialKeys = {{"F7", GLUT_KEY_F7}, {"shift", GLUT_KEY_SHIFT_L}};
    void walk(const std::string& path)
    {
        std::istringstream steps(path);
        for (std::string step; steps >> step; game->frame()) {
            if (step == "start")
                startGame();
            else if (step == "lost" || step == "won")
                game->gameEventOccurred(step == "lost" ? GameLost : GameWon);
            else if (step == "points")
                game->addScore(1);
            else if (step == "esc" || step == "enter")
                press(step == "esc" ? escape : 13);
            else if (specialKeys.count(step))
                dispatchSpecialKeyPressed(specialKeys.at(step));
            else if (step == "right")
                dispatchMouseButtonPressed(GLUT_RIGHT_BUTTON, Pointer{});
            else if (step.rfind("menu:", 0) == 0)
                choose(step.substr(5));
            else
                press(static_cast<unsigned char>(step[0]));
        }
    }
};

TEST_P(GameStatesGLTest, ThePathEndsInItsStateWithItsEffects)
{
    const Row& row = GetParam();
    walk(row.path);
    EXPECT_EQ(game->getState(), row.state);
    ASSERT_EQ(game->getWorld() != nullptr, row.world != NoWorld) << "the world";
    if (row.world != NoWorld) {
        const std::uint64_t before = game->worldChecksum();
        game->frame();
        EXPECT_EQ(game->worldChecksum() != before, row.world == Moving) << "the world moving";
        if (row.state != GameState::NameEntry) {  // the game is over there, whatever its clock does
            EXPECT_EQ(game->getTimer().isPaused(), row.world == Still) << "the game clock";
        }
    }
    const Menu* main = game->getMainMenu();
    EXPECT_EQ(main != nullptr && main->isActive(), row.state == GameState::MainMenu) << "the main menu";
    ASSERT_EQ(game->getGameMenu() != nullptr, row.gameMenu) << "the in-game menu";
    if (row.gameMenu) {
        EXPECT_EQ(game->getGameMenu()->isActive(), row.state == GameState::GameMenu);
    }
    if (row.page >= 0) {
        const bool help = row.state == GameState::Help;
        EXPECT_EQ(help ? game->getHelpScreen().page() : game->getHighscoreScreen().shownLevel(), row.page);
    }
    EXPECT_EQ(game->getHighscoreTable().entries(0).size(), row.entries);
    EXPECT_EQ(platform.exitStatus, row.exitStatus);
    EXPECT_EQ(Rocket::registry().size(), row.rockets) << "the right button reaches the ship only in a running game";
    // Menus are worked with the system pointer and the game is flown with the crosshair.
    if (row.state == GameState::MainMenu || row.state == GameState::Running) {
        const bool inMenu = row.state == GameState::MainMenu;
        EXPECT_EQ(menuMusic().isPaused(), !inMenu);
        if (!inMenu) {
            EXPECT_FALSE(backgroundMusic().isPaused());
        }
        EXPECT_EQ(platform.systemCursorVisible, inMenu);
    }
}

using S = GameState;
const Row rows[] = {
    {"", S::MainMenu},
    {"esc", S::MainMenu, NoWorld, false, -1, 0, 0},
    {"menu:exit", S::MainMenu, NoWorld, false, -1, 0, 0},
    {"menu:help", S::Help, NoWorld, false, 0},
    {"menu:help x", S::Help, NoWorld, false, 1},
    {"menu:help x right", S::Help, NoWorld, false, 0},
    {"menu:help x esc menu:help", S::Help, NoWorld, false, 0},  // reopened on its first page
    {"menu:credits q", S::Credits},
    {"menu:credits esc", S::MainMenu},
    {"menu:difficulty menu:highscores", S::Highscores, NoWorld, false, 1},
    {"menu:difficulty menu:highscores F7", S::Highscores, NoWorld, false, 2},
    {"menu:highscores esc", S::MainMenu},
    {"start", S::Running, Moving},
    {"start p", S::Paused, Still},
    {"start p P", S::Running, Moving},
    {"start p esc", S::GameMenu, Still, true},
    {"start p esc esc", S::Running, Moving},
    {"start p H esc", S::Paused, Still},
    {"start h", S::Help, Still},
    {"start h esc", S::Running, Moving},
    {"start h right esc", S::Running, Moving},
    {"start p right p right", S::Running, Moving, false, -1, 0, -1, 1},
    {"start esc", S::GameMenu, Still, true},
    {"start esc esc", S::Running, Moving},
    {"start esc p h", S::GameMenu, Still, true},
    {"start esc menu:resume", S::Running, Moving},
    {"start esc menu:help esc", S::GameMenu, Still, true},
    {"start esc menu:highscores", S::Highscores, Still, true, 0},
    {"start esc menu:highscores w", S::Highscores, Still, true, 1},  // w is up too, yet one page
    {"start esc menu:highscores shift", S::Highscores, Still, true, 0},
    {"start esc menu:finish", S::MainMenu},
    {"start points esc menu:finish", S::NameEntry, Still},
    {"start lost", S::Lost, Moving},
    {"start lost won", S::Lost, Moving},
    {"start lost esc", S::MainMenu},
    {"start points lost esc", S::NameEntry, Still},
    {"start won esc", S::MainMenu},
    {"start points won esc esc", S::MainMenu},
    {"start points won esc enter", S::MainMenu, NoWorld, false, -1, 1},
};

INSTANTIATE_TEST_SUITE_P(Flow, GameStatesGLTest, ::testing::ValuesIn(rows));

TEST_F(GameFlowGLTest, TheDifficultyEntryCyclesTheLevelsAndAGameStartsOnTheOneShown)
{
    for (const std::string level : {"Medium", "Hard", "Impossible", "Easy", "Medium", "Hard"}) {
        choose("difficulty");
        EXPECT_EQ(game->getMainMenu()->getEntries()[1]->getText(), "Difficulty of next game:\n" + level);
    }
    startGame();
    Level hard;
    selectLevel(hard, "Hard");
    EXPECT_EQ(GameManager::currentLevel().shipLife, hard.shipLife);
}

// Pieces change only while a game runs; a game over plays its jingle and loses later points.
TEST_F(GameFlowGLTest, MusicKeysAndTheGameOver)
{
    press('5');
    EXPECT_NEAR(menuMusic().getVolume(), 5.0 / 9.0 * 255.0, 1e-3) << "the menu music in the menus";

    startGame();
    press('9');
    EXPECT_NEAR(backgroundMusic().getVolume(), 255.0, 1e-3) << "the background music in a game";
    const int piece = backgroundMusic().currentIndex();
    const int other = (piece + 1) % 3;
    press('p');
    game->specialKeyPressed(GLUT_KEY_F1 + other);
    EXPECT_EQ(backgroundMusic().currentIndex(), piece) << "not while paused";
    // The menu music fades out on real time, while the game's clock stands.
    for (int frame = 0; frame < 180; ++frame) game->frame();
    EXPECT_EQ(menuMusic().getCurrentVolume(), 0.0f);
    press('p');
    game->specialKeyPressed(GLUT_KEY_F1 + other);
    EXPECT_EQ(backgroundMusic().currentIndex(), other);

    game->addScore(2.7);
    EXPECT_EQ(game->getScore(), 200) << "whole points times the score factor";
    game->gameEventOccurred(GameLost);
    EXPECT_EQ(game->getMessage().getText(), "GAME OVER\nYou lost the game!");
    game->addScore(5);
    EXPECT_EQ(game->getScore(), 200);
    EXPECT_TRUE(backgroundMusic().isPaused());
    EXPECT_FALSE(loseJingle().isPaused());
    game->specialKeyPressed(GLUT_KEY_F1 + piece);
    EXPECT_EQ(backgroundMusic().currentIndex(), other) << "no piece is chosen after the game ended";
}

// Input as the window hands it over: it takes effect in the next frame.
void send(GameManager& game, InputEvent::Kind kind, int code, int x = 0, int y = 0)
{
    game.receive({kind, code, x, y, 0});
    game.frame();
}

TEST_F(GameFlowGLTest, EveryGameIsRecordedAndPlaysBackAsItWentWithoutItsMessages)
{
    MessageQueue& messages = MessageQueue::forPlayer();
    game->fixSeed(5);
    startGame();
    for (int frame = 0; frame < 30; ++frame) send(*game, InputEvent::PointerMove, 0, 300 + frame, 200);
    // A message holds the game, and the input that dismisses it goes nowhere else.
    messages.push("Error", "first");
    messages.push("Error", "second");
    game->frame();
    const double heldAt = game->getTimer().getElapsed();
    send(*game, InputEvent::KeyDown, 'p');
    send(*game, InputEvent::KeyUp, 'p');
    EXPECT_EQ(game->getMessageBox().text().getText(), "second");
    EXPECT_EQ(game->getTimer().getElapsed(), heldAt) << "the world stood still";
    send(*game, InputEvent::ButtonDown, GLUT_RIGHT_BUTTON, 320, 240);
    send(*game, InputEvent::ButtonUp, GLUT_RIGHT_BUTTON, 320, 240);
    EXPECT_FALSE(game->getMessageBox().isVisible());
    EXPECT_EQ(game->getState(), GameState::Running) << "P dismissed the first message only";
    EXPECT_EQ(Rocket::registry().size(), 0u) << "the click dismissed the second only";
    // A few seconds of flying, firing and pausing, then the game finished from the in-game menu.
    send(*game, InputEvent::KeyDown, 'w');
    send(*game, InputEvent::ButtonDown, GLUT_LEFT_BUTTON, 300, 200);
    for (int frame = 0; frame < 120; ++frame) send(*game, InputEvent::PointerMove, 0, 300 + frame, 200 + frame / 2);
    send(*game, InputEvent::KeyDown, 'p');
    send(*game, InputEvent::KeyDown, 'p');
    send(*game, InputEvent::ButtonDown, GLUT_RIGHT_BUTTON, 320, 240);
    for (int frame = 0; frame < 60; ++frame) game->frame();
    send(*game, InputEvent::KeyDown, escape);
    choose("finish");
    game->frame();  // completes the recording
    ASSERT_EQ(game->getState(), GameState::MainMenu);
    const Replay recorded = readReplay("last.replay");
    ASSERT_TRUE(recorded.end) << "completed at the return to the main menu";
    EXPECT_EQ(*recorded.end, game->getLastSummary());
    EXPECT_EQ(recorded.start.seed, 5u);

    // A message raised during a playback waits for its end.
    messages.push("Error", "later");
    std::optional<ReplaySummary> played;
    std::string failure;
    const auto onEnd = [&](const ReplaySummary& summary, const std::string& why) {
        played = summary;
        failure = why;
    };
    game->playReplay(recorded, true, onEnd);
    game->frame();
    EXPECT_FALSE(game->getMessageBox().isVisible());
    while (game->isPlayingBack()) game->frame();
    EXPECT_EQ(played, recorded.end);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(game->getMessageBox().text().getText(), "later");
    send(*game, InputEvent::KeyDown, 'x');
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_EQ(readReplay("last.replay"), recorded) << "playback records nothing";

    Replay diverging = recorded;
    for (ReplayRun& run : diverging.runs)
        if (run.frame.checksum) run.frame.checksum = *run.frame.checksum + 1;
    game->playReplay(diverging, true, onEnd);
    while (game->isPlayingBack()) game->frame();
    EXPECT_NE(played, recorded.end);
    EXPECT_NE(failure.find("diverged"), std::string::npos) << failure;
    EXPECT_EQ(game->getWorld(), nullptr);

    // Live input does not reach a game played back; ESC ends the playback.
    game->playReplay(recorded, false);
    send(*game, InputEvent::KeyDown, 'h');
    send(*game, InputEvent::ButtonDown, GLUT_LEFT_BUTTON, 10, 10);
    EXPECT_EQ(game->getState(), GameState::Running);
    EXPECT_FALSE(game->playReplay("last.replay", true)) << "only from the main menu";
    send(*game, InputEvent::KeyDown, escape);
    EXPECT_FALSE(game->isPlayingBack());
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_FALSE(game->playReplay("no-such.replay", true));
}

TEST_F(GameFlowGLTest, ANameIsTypedIntoTheTableTheNextEntryOffersItAndTheGameKeepsItsReplay)
{
    const std::string emptied(20, '\b');
    const struct {
        std::string typed, offered;
    } entries[] = {
        {"\bCaptain Rubblestorm The Great\b!", ""},  // at most 20 characters
        {emptied, "Captain Rubblestorm!"},
        {emptied + "Bob", "Captain Rubblestorm!"},
        {"", "Bob"},
    };
    for (const auto& [typed, offered] : entries) {
        startGame();
        game->addScore(1);
        game->gameEventOccurred(GameLost);
        press(escape);
        ASSERT_EQ(game->getState(), GameState::NameEntry);
        EXPECT_TRUE(platform.keyRepeat) << "typing repeats held keys";
        EXPECT_EQ(game->getNameField().getText(), offered) << "before " << typed;
        for (char c : typed) press(static_cast<unsigned char>(c));
        press(13);
        EXPECT_FALSE(platform.keyRepeat);
        game->frame();  // completes the recording
    }
    std::vector<std::string> names;
    for (const HighscoreEntry& entry : game->getHighscoreTable().entries(0)) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Captain Rubblestorm!", "unknown", "Bob", "Bob"}));

    // Each game keeps its replay at its rank, and playing one back writes no table.
    const Replay last = readReplay("last.replay");
    EXPECT_EQ(readReplay("replays/easy-4.replay"), last);
    std::filesystem::remove("highscores.dat");
    game->playReplay(last, true);
    while (game->isPlayingBack()) game->frame();
    EXPECT_FALSE(std::filesystem::exists("highscores.dat"));
    EXPECT_EQ(readReplay("replays/easy-4.replay"), last);
}

}  // namespace
