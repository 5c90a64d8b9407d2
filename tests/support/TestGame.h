#pragma once
// TestGame: the game manager started in a scratch folder (its own highscores and replays, the
// game's data linked in) on a clock that finds 1/60 s gone at every look, under a recording
// platform; shut down when it goes. Needs a current GL context.
#include <cstdint>

#include "app/GameManager.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

class TestGame {
public:
    TestGame();
    ~TestGame();
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    GameManager& operator*() const { return *game; }
    GameManager* operator->() const { return game; }

    TemporaryFolder folder;
    RecordingPlatform platform;
    std::int64_t clockNanoseconds = 0;
    GameManager* game = nullptr;
};
