// A replay shows the same pictures each time it is played: a battle the ScriptedPilot flies on
// the hardest level is played back twice, once by the game manager that recorded it and once by
// a fresh one, and three frames in the middle of the fight must come out pixel for pixel the same.
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

void prepare(GameManager& game)
{
    game.setSpecialStart("battle", ScriptedPilot::gatherRocksAhead);
    game.receive({InputEvent::WindowSize, 0, GLContext::width(), GLContext::height()});
    game.frame();
}

// The pictures of the shot frames; the summary must be the recorded one.
std::vector<std::vector<std::uint8_t>> play(GameManager& game, const Replay& replay)
{
    std::vector<std::vector<std::uint8_t>> pictures;
    std::optional<ReplaySummary> played;
    game.playReplay(replay, true, [&](const ReplaySummary& summary, const std::string&) { played = summary; });
    for (int frame = 1; !played; ++frame) {
        game.frame();
        if (std::ranges::find(shotFrames, frame) == std::end(shotFrames)) continue;
        Background::draw();
        SceneGraph::getInstance()->draw();
        pictures.push_back(GLContext::readPixels());
        EXPECT_GT(GLContext::countPixelsNot(0, 0, 0), GLContext::width() * GLContext::height() / 10)
            << "frame " << frame << " shows little";
    }
    EXPECT_EQ(played, replay.end);
    return pictures;
}
}  // namespace

TEST(ReplayPlaybackGLTest, ABattlePlaysTheSamePicturesEveryTime)
{
    std::optional<TestGame> game(std::in_place);
    prepare(**game);
    (*game)->fixSeed(5);
    for (int i = 0; i < 3; ++i) (*game)->menuEntrySelected("difficulty");
    (*game)->menuEntrySelected("start");
    ScriptedPilot pilot(GLContext::width(), GLContext::height());
    for (int frame = 0; frame < 2 * fps; ++frame) {
        pilot.fly(frame);
        (*game)->frame();
    }
    pilot.letGo();
    // Finished by ESC: the in-game menu's "finish", or out of the game over and the name entry.
    for (int i = 0; i < 2 && (*game)->getState() != GameState::MainMenu; ++i) {
        (*game)->receive({InputEvent::KeyDown, 27});
        (*game)->frame();
        if ((*game)->getState() == GameState::GameMenu) (*game)->menuEntrySelected("finish");
    }
    (*game)->frame();  // completes the file
    ASSERT_EQ((*game)->getState(), GameState::MainMenu);
    const Replay replay = readReplay("last.replay");

    const auto first = play(**game, replay);
    game.reset();
    game.emplace();
    prepare(**game);
    const auto second = play(**game, replay);
    ASSERT_EQ(first.size(), std::size(shotFrames));
    ASSERT_EQ(second.size(), std::size(shotFrames));
    for (std::size_t i = 0; i < std::size(shotFrames); ++i)
        EXPECT_TRUE(first[i] == second[i]) << "frame " << shotFrames[i] << " differs";
    GLContext::writePng("replay-playback");
}
