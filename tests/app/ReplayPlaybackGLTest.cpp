// A replay shows the same pictures each time it is played: a battle the ScriptedPilot flies is
// played back twice in one process, once by the game manager that recorded it and once by a
// fresh one, and three frames in the middle of the fight must come out pixel for pixel the same.
// The game runs in a scratch folder on a fixed-step clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "app/GameManager.h"
#include "bench/ScriptedPilot.h"
#include "scene/Background.h"
#include "scene/SceneGraph.h"
#include "tests/support/DataFolder.h"
#include "tests/support/GLContext.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

namespace {
constexpr int fps = ScriptedPilot::framesPerSecond;
constexpr int battleFrames = 2 * fps;
constexpr std::int64_t shotFrames[] = {fps, fps + fps / 3, fps + 2 * fps / 3};
constexpr std::int64_t frameNanoseconds = 1'000'000'000 / fps;
constexpr int impossibleLevel = 3;
constexpr unsigned char escapeKey = 27;

std::int64_t clockNanoseconds = 0;

class ReplayPlaybackGLTest : public ::testing::Test {
protected:
    struct Playback {
        std::vector<std::vector<std::uint8_t>> pictures;
        ReplaySummary summary;
    };

    void SetUp() override
    {
        for (const char* data : {"models", "fonts", "Sound"})
            std::filesystem::create_directory_symlink(std::filesystem::absolute(DataFolder::path(data)),
                                                      folder.path() / data);
        folder.enter();
        start();
    }
    void TearDown() override { GameManager::shutdown(); }

    void start()
    {
        int argc = 1;
        char name[] = "rubblestorm";
        char* argv[] = {name, nullptr};
        GameManager::initialize(&argc, argv, [] { return clockNanoseconds; });
        game = GameManager::getInstance();
        game->setSpecialStart("battle", ScriptedPilot::gatherRocksAhead);
        game->receive({InputEvent::WindowSize, 0, GLContext::width(), GLContext::height()});
        step();
    }

    void step()
    {
        clockNanoseconds += frameNanoseconds;
        game->frame();
    }

    Replay recordBattle()
    {
        game->fixSeed(5);
        for (int i = 0; i < impossibleLevel; ++i) game->menuEntrySelected("difficulty");
        game->menuEntrySelected("start");
        ScriptedPilot pilot(GLContext::width(), GLContext::height());
        for (int frame = 0; frame < battleFrames; ++frame) {
            pilot.fly(frame);
            step();
        }
        pilot.letGo();
        for (int i = 0; i < 2 && game->getState() != GameState::MainMenu; ++i) {
            game->receive({InputEvent::KeyDown, escapeKey});  // the in-game menu, then out of the name entry
            step();
            if (game->getState() == GameState::GameMenu) game->menuEntrySelected("finish");
        }
        step();  // completes the file
        EXPECT_EQ(game->getState(), GameState::MainMenu);
        return readReplay("last.replay");
    }

    Playback play(const Replay& replay)
    {
        Playback playback;
        bool playing = true;
        game->playReplay(replay, true, [&](const ReplaySummary& summary, const std::string& failure) {
            EXPECT_EQ(failure, "");
            playback.summary = summary;
            playing = false;
        });
        for (std::int64_t frame = 1; playing; ++frame) {
            step();
            if (std::find(std::begin(shotFrames), std::end(shotFrames), frame) == std::end(shotFrames)) continue;
            Background::draw();
            SceneGraph::getInstance()->draw();
            playback.pictures.push_back(GLContext::readPixels());
            EXPECT_GT(GLContext::countPixelsNot(0, 0, 0), GLContext::width() * GLContext::height() / 10)
                << "frame " << frame << " shows little";
        }
        return playback;
    }

    TemporaryFolder folder;
    RecordingPlatform platform;
    GameManager* game = nullptr;
};
}  // namespace

TEST_F(ReplayPlaybackGLTest, ABattlePlaysTheSamePicturesEveryTime)
{
    const Replay replay = recordBattle();
    ASSERT_TRUE(replay.end);
    const Playback first = play(replay);
    GameManager::shutdown();
    start();
    const Playback second = play(replay);

    EXPECT_EQ(first.summary, *replay.end);
    EXPECT_EQ(second.summary, *replay.end);
    ASSERT_EQ(first.pictures.size(), std::size(shotFrames));
    ASSERT_EQ(second.pictures.size(), std::size(shotFrames));
    for (std::size_t i = 0; i < std::size(shotFrames); ++i)
        EXPECT_TRUE(first.pictures[i] == second.pictures[i]) << "frame " << shotFrames[i] << " differs";
    GLContext::writePng("replay-playback");
}
