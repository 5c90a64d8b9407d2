// The game flow as one table: from the main menu, a path of input, the state it ends in and
// what the player has then (a world, paused or not, the game clock, the menus).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "sound/GameSounds.h"
#include "tests/support/GameStage.h"
#include "world/SpaceManager.h"

namespace {
enum class World { None, Running, Paused, Any };
constexpr std::optional<bool> any = std::nullopt;

struct Row {
    std::vector<std::string> path;  // "start", "lost", "won", "points", "esc", a key, or "menu:<entry>"
    GameState state;
    World world;
    std::optional<bool> clockPaused;  // the game clock
    bool gameMenu;
};

void PrintTo(const Row& row, std::ostream* out)
{
    for (const std::string& step : row.path) *out << step << " ";
}

struct GameStatesGLTest : GameStage, ::testing::WithParamInterface<Row> {
    void walk(const std::vector<std::string>& path)
    {
        for (const std::string& step : path) {
            if (step == "start")
                startGame();
            else if (step == "lost")
                game->gameEventOccurred(GameLost);
            else if (step == "won")
                game->gameEventOccurred(GameWon);
            else if (step == "points")
                game->addScore(50);
            else if (step == "esc")
                press(escape);
            else if (step.rfind("menu:", 0) == 0)
                choose(step.substr(5));
            else
                press(static_cast<unsigned char>(step[0]));
            game->frame();
        }
    }
};

TEST_P(GameStatesGLTest, ThePathEndsInItsStateWithItsEffects)
{
    const Row& row = GetParam();
    walk(row.path);
    EXPECT_EQ(game->getState(), row.state);
    EXPECT_EQ(game->getWorld() != nullptr, row.world != World::None) << "the world";
    if (game->getWorld() != nullptr && row.world != World::Any) {
        EXPECT_EQ(game->getWorld()->isPaused(), row.world == World::Paused);
    }
    if (row.clockPaused) {
        EXPECT_EQ(game->getTimer().isPaused(), *row.clockPaused) << "the game clock";
    }
    EXPECT_EQ(game->getGameMenu() != nullptr, row.gameMenu) << "the in-game menu";
    if (row.state == GameState::MainMenu) {
        EXPECT_NE(game->getMainMenu(), nullptr);
    }
}

using S = GameState;
INSTANTIATE_TEST_SUITE_P(
    Flow, GameStatesGLTest,
    ::testing::Values(Row{{}, S::MainMenu, World::None, true, false},
                      Row{{"menu:help"}, S::Help, World::None, any, false},
                      Row{{"menu:help", "esc"}, S::MainMenu, World::None, any, false},
                      Row{{"menu:credits", "esc"}, S::MainMenu, World::None, any, false},
                      Row{{"menu:highscores", "esc"}, S::MainMenu, World::None, any, false},
                      Row{{"start"}, S::Running, World::Running, false, false},
                      Row{{"start", "p"}, S::Paused, World::Paused, true, false},
                      Row{{"start", "p", "p"}, S::Running, World::Running, false, false},
                      Row{{"start", "p", "esc"}, S::GameMenu, World::Paused, true, true},
                      Row{{"start", "p", "esc", "esc"}, S::Running, World::Running, false, false},
                      Row{{"start", "p", "h"}, S::Help, World::Paused, true, false},
                      Row{{"start", "p", "h", "esc"}, S::Paused, World::Paused, true, false},
                      Row{{"start", "h"}, S::Help, World::Any, true, false},
                      Row{{"start", "h", "esc"}, S::Running, World::Running, false, false},
                      Row{{"start", "esc"}, S::GameMenu, World::Paused, true, true},
                      Row{{"start", "esc", "p"}, S::GameMenu, World::Paused, true, true},
                      Row{{"start", "esc", "menu:resume"}, S::Running, World::Running, false, false},
                      Row{{"start", "esc", "menu:help", "esc"}, S::GameMenu, World::Paused, true, true},
                      Row{{"start", "esc", "menu:finish"}, S::MainMenu, World::None, any, false},
                      Row{{"start", "points", "esc", "menu:finish"}, S::NameEntry, World::Any, any, false},
                      Row{{"start", "lost"}, S::Lost, World::Running, false, false},
                      Row{{"start", "lost", "esc"}, S::MainMenu, World::None, any, false},
                      Row{{"start", "points", "lost", "esc"}, S::NameEntry, World::Any, any, false},
                      Row{{"start", "won", "esc"}, S::MainMenu, World::None, any, false},
                      Row{{"start", "points", "won", "esc", "esc"}, S::MainMenu, World::None, any, false}),
    [](const auto& info) {
        std::string name = info.param.path.empty() ? "nothing" : "";
        for (const std::string& step : info.param.path)
            name += (name.empty() ? "" : "_") + step.substr(step.find(':') + 1);
        return name + "_" + std::to_string(info.index);
    });

using GameMusicGLTest = GameStage;

TEST_F(GameMusicGLTest, MusicKeysActOnlyWhileAGameRunsAndFadesKeepRealTime)
{
    startGame();
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
    game->gameEventOccurred(GameLost);
    game->specialKeyPressed(GLUT_KEY_F1 + piece);
    EXPECT_EQ(backgroundMusic().currentIndex(), other) << "not after the game ended";
}
}  // namespace
