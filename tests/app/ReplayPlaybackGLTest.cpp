// A replay shows the same pictures each time it is played: a battle the ScriptedPilot flies is
// played back twice, once by the game manager that recorded it and once by a fresh one, and
// three frames in the middle of the fight must come out pixel for pixel the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "bench/ScriptedPilot.h"
#include "scene/Background.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"
#include "tests/support/TestGame.h"

namespace {
constexpr int fps = ScriptedPilot::framesPerSecond;
constexpr int shotFrames[] = {fps, fps + fps / 3, fps + 2 * fps / 3};

struct Playback {
    std::vector<std::vector<std::uint8_t>> pictures;
    ReplaySummary summary;
};

void prepare(GameManager& game)
{
    game.setSpecialStart("battle", ScriptedPilot::gatherRocksAhead);
    game.receive({InputEvent::WindowSize, 0, GLContext::width(), GLContext::height()});
    game.frame();
}

// A fight on the hardest level, finished by ESC (the in-game menu, or out of the name entry).
Replay recordBattle(GameManager& game)
{
    game.fixSeed(5);
    for (int i = 0; i < 3; ++i) game.menuEntrySelected("difficulty");
    game.menuEntrySelected("start");
    ScriptedPilot pilot(GLContext::width(), GLContext::height());
    for (int frame = 0; frame < 2 * fps; ++frame) {
        pilot.fly(frame);
        game.frame();
    }
    pilot.letGo();
    for (int i = 0; i < 2 && game.getState() != GameState::MainMenu; ++i) {
        game.receive({InputEvent::KeyDown, 27});
        game.frame();
        if (game.getState() == GameState::GameMenu) game.menuEntrySelected("finish");
    }
    game.frame();  // completes the file
    EXPECT_EQ(game.getState(), GameState::MainMenu);
    return readReplay("last.replay");
}

Playback play(GameManager& game, const Replay& replay)
{
    Playback playback;
    bool playing = true;
    game.playReplay(replay, true, [&](const ReplaySummary& summary, const std::string& failure) {
        EXPECT_EQ(failure, "");
        playback.summary = summary;
        playing = false;
    });
    for (int frame = 1; playing; ++frame) {
        game.frame();
        if (std::find(std::begin(shotFrames), std::end(shotFrames), frame) == std::end(shotFrames)) continue;
        Background::draw();
        SceneGraph::getInstance()->draw();
        playback.pictures.push_back(GLContext::readPixels());
        EXPECT_GT(GLContext::countPixelsNot(0, 0, 0), GLContext::width() * GLContext::height() / 10)
            << "frame " << frame << " shows little";
    }
    return playback;
}
}  // namespace

TEST(ReplayPlaybackGLTest, ABattlePlaysTheSamePicturesEveryTime)
{
    std::optional<TestGame> game(std::in_place);
    prepare(**game);
    const Replay replay = recordBattle(**game);
    ASSERT_TRUE(replay.end);
    const Playback first = play(**game, replay);
    game.reset();
    game.emplace();
    prepare(**game);
    const Playback second = play(**game, replay);

    EXPECT_EQ(first.summary, *replay.end);
    EXPECT_EQ(second.summary, *replay.end);
    ASSERT_EQ(first.pictures.size(), std::size(shotFrames));
    ASSERT_EQ(second.pictures.size(), std::size(shotFrames));
    for (std::size_t i = 0; i < std::size(shotFrames); ++i)
        EXPECT_TRUE(first.pictures[i] == second.pictures[i]) << "frame " << shotFrames[i] << " differs";
    GLContext::writePng("replay-playback");
}
