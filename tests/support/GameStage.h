#pragma once
// GameStage: a fixture with the whole game flow under the off-screen GL context of gl_tests
// (a TestGame: scratch folder, 1/60 s at every look at the clock, recording platform). Keys go
// through the real dispatch.
#include <GL/freeglut_std.h>
#include <gtest/gtest.h>

#include <string>

#include "app/KeyboardListener.h"
#include "tests/support/TestGame.h"

class GameStage : public ::testing::Test {
public:
    static constexpr unsigned char escape = 27;

protected:
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

    TestGame testGame;
    RecordingPlatform& platform = testGame.platform;
    GameManager* game = testGame.game;
};
