#pragma once
// GameStage: the whole game flow under the off-screen GL context of gl_tests, in a scratch
// folder (its highscore file and replays are its own) that links the run folder's data. Every
// look at the clock finds a frame of 1/60 s gone by. Keys go through the real dispatch.
#include <GL/freeglut_std.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/GameManager.h"
#include "app/KeyboardListener.h"
#include "tests/support/DataFolder.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

class GameStage : public ::testing::Test {
public:
    static constexpr unsigned char escape = 27;

protected:
    void SetUp() override
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
    void TearDown() override { GameManager::shutdown(); }

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
