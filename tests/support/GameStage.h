#pragma once
// GameStage: a fixture with the whole game flow under the off-screen GL context of gl_tests: the
// game manager started in a scratch folder (its own highscores and replays, the game's data
// linked in) on a clock that finds 1/60 s gone at every look, under a recording platform, and
// shut down when the test ends. Keys go through the real dispatch.
#include <GL/freeglut_std.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/GameManager.h"
#include "app/KeyboardListener.h"
#include "tests/support/DataFolder.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

class GameStage : public ::testing::Test {
public:
    static constexpr unsigned char escape = 27;

protected:
    GameStage()
    {
        for (const char* data : {"models", "fonts", "Sound"})
            std::filesystem::create_directory_symlink(std::filesystem::absolute(DataFolder::path(data)),
                                                      folder.path() / data);
        folder.enter();
        int argc = 1;
        char name[] = "rubblestorm";
        char* argv[] = {name, nullptr};
        GameManager::initialize(&argc, argv, [this] { return clockNanoseconds += 16'666'667; });
        game = GameManager::getInstance();
    }
    ~GameStage() override { GameManager::shutdown(); }

    void press(unsigned char key)
    {
        dispatchKeyPressed(key);
        dispatchKeyReleased(key);
    }
    void choose(const std::string& key) { game->menuEntrySelected(key); }
    void startGame()
    {
        choose("start");
        ASSERT_EQ(game->getState(), GameState::Running);
    }

    TemporaryFolder folder;
    RecordingPlatform platform;
    std::int64_t clockNanoseconds = 0;
    GameManager* game = nullptr;
};
