// A virtual pad through SDL's own event path drives the real game (PadTranslatorTest has the rules).
#include <gtest/gtest.h>

#include <iostream>

#include "app/GamePads.h"
#include "app/Replay.h"
#include "tests/support/GameStage.h"
#include "tests/support/VirtualPad.h"
#include "world/ProjectileGun.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/SpaceShip.h"

namespace {
class GamePadGLTest : public GameStage {
protected:
    void SetUp() override
    {
        game->usePads(GamePads::start(std::cerr));
        pad.emplace();
        game->fixSeed(7);
        frames(1);  // the pad arrives
        // Held, the D-pad walks the menu to its end and stays there: "Start new game".
        hold(SDL_CONTROLLER_BUTTON_DPAD_UP, 120);
        tap(SDL_CONTROLLER_BUTTON_A);
        ASSERT_EQ(game->getState(), GameState::Running);
    }
    void TearDown() override { pad.reset(); }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i) game->frame();
    }
    void hold(SDL_GameControllerButton button, int count)
    {
        pad->setButton(button, true);
        frames(count);
        pad->setButton(button, false);
        frames(2);  // read in one frame, acted on in the next
    }
    void tap(SDL_GameControllerButton button) { hold(button, 2); }
    SpaceShip& ship() { return *Space::current()->getShip(); }
    bool firing() { return ship().getProjectileGun()->isFiring(); }

    std::optional<VirtualPad> pad;
};
}  // namespace

TEST_F(GamePadGLTest, AGameFlownAndFinishedByPadPlaysBackAsItWent)
{
    pad->setAxis(SDL_CONTROLLER_AXIS_LEFTX, 0.7);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0);
    frames(150);
    EXPECT_NE(game->getWorld()->getControl().targetTurn().length(), 0.0);
    EXPECT_TRUE(firing());
    pad->setAxis(SDL_CONTROLLER_AXIS_LEFTX, 0.0);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.0);
    tap(SDL_CONTROLLER_BUTTON_START);
    hold(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 120);
    ASSERT_EQ(game->getGameMenu()->getHighlighted()->getKey(), "finish");
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(game->getState(), GameState::MainMenu);

    const Replay recorded = readReplay("last.replay");
    std::optional<ReplaySummary> played;
    game->playReplay(recorded, true, [&](const ReplaySummary& summary, const std::string&) { played = summary; });
    while (game->isPlayingBack()) game->frame();
    EXPECT_EQ(played, recorded.end) << "the pad at rest does not disturb the playback";
}

TEST_F(GamePadGLTest, AHullHitRumblesLosingTheFocusLetsGoAndLosingThePadPauses)
{
    frames(2);
    EXPECT_EQ(pad->rumbles, 0);
    ship().onCollision(nullptr, Vector(), ship().getShield() + 1.0);
    frames(1);
    EXPECT_EQ(pad->rumbles, 1);
    EXPECT_EQ(pad->lastHigh, 0xffff) << "strong";

    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0);
    frames(2);
    platform.focus = false;
    frames(2);
    EXPECT_FALSE(firing()) << "the pad is let go without the focus";
    platform.focus = true;
    frames(2);
    EXPECT_TRUE(firing());
    pad->unplug();
    frames(2);
    EXPECT_EQ(game->getState(), GameState::Paused);
    EXPECT_FALSE(firing());
}
