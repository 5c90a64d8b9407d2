// A game played with a pad: a virtual pad that SDL attaches in this process drives the real
// game manager (menus, world, recording) through SDL's own mapping and event path.
#include <gtest/gtest.h>

#include <iostream>

#include "app/GamePads.h"
#include "app/Replay.h"
#include "tests/support/TestGame.h"
#include "tests/support/VirtualPad.h"
#include "world/LaserGun.h"
#include "world/ProjectileGun.h"
#include "world/Rocket.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/SpaceShip.h"

namespace {
class GamePadGLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game->usePads(GamePads::start(std::cerr));
        pad.emplace();
        game->frame();  // the pad arrives
    }
    void TearDown() override { pad.reset(); }

    void frames(int count = 1)
    {
        for (int i = 0; i < count; ++i) game->frame();
    }
    void tap(SDL_GameControllerButton button)
    {
        pad->setButton(button, true);
        frames(2);  // read in one frame, acted on in the next
        pad->setButton(button, false);
        frames(2);
    }
    // Held, the D-pad walks the menu to its end and stays there.
    void holdToEnd(SDL_GameControllerButton button)
    {
        pad->setButton(button, true);
        frames(120);
        pad->setButton(button, false);
        frames();
    }
    void startGame()
    {
        holdToEnd(SDL_CONTROLLER_BUTTON_DPAD_UP);  // "Start new game"
        tap(SDL_CONTROLLER_BUTTON_A);
        ASSERT_EQ(game->getState(), GameState::Running);
    }
    void finishGame()
    {
        tap(SDL_CONTROLLER_BUTTON_START);
        holdToEnd(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        ASSERT_EQ(game->getGameMenu()->getHighlighted()->getKey(), "finish");
        tap(SDL_CONTROLLER_BUTTON_A);
    }
    SpaceShip& ship() { return *Space::current()->getShip(); }

    TestGame testGame;
    GameManager* game = testGame.game;
    std::optional<VirtualPad> pad;
};
}  // namespace

TEST_F(GamePadGLTest, EachStickButtonAndTriggerDoesItsPart)
{
    startGame();
    const Pointer window = game->inputWindow();
    const int reach = std::min(window.width, window.height) / 2;
    pad->setAxis(SDL_CONTROLLER_AXIS_LEFTX, -1.0);
    pad->setAxis(SDL_CONTROLLER_AXIS_LEFTY, 1.0);
    frames(2);
    const Vector byStick = game->getWorld()->getControl().targetTurn();
    game->receive({InputEvent::PointerMove, 0, window.width / 2 - reach, window.height / 2 + reach});
    frames();
    const Vector byMouse = game->getWorld()->getControl().targetTurn();
    EXPECT_NE(byStick.length(), 0.0);
    EXPECT_EQ(byMouse.x(), byStick.x()) << "the stick turns as the mouse at the edge";
    EXPECT_EQ(byMouse.y(), byStick.y());

    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Rocket::registry().size(), 1u) << "south launches a rocket";
    const double speed = game->getWorld()->getControl().speed();
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.8);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 1.0);
    pad->setAxis(SDL_CONTROLLER_AXIS_RIGHTY, -1.0);
    pad->setButton(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    frames(10);
    EXPECT_TRUE(ship().getProjectileGun()->isFiring());
    EXPECT_TRUE(ship().getLaserGun()->isFiring());
    EXPECT_GT(game->getWorld()->getControl().speed(), speed);
    const double strafe = game->getWorld()->getControl().strafeSpeed();
    EXPECT_NE(strafe, 0.0);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.0);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.0);
    pad->setButton(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
    pad->setButton(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    frames(30);
    EXPECT_FALSE(ship().getProjectileGun()->isFiring());
    EXPECT_FALSE(ship().getLaserGun()->isFiring());
    EXPECT_LT(game->getWorld()->getControl().strafeSpeed() * strafe, 0.0) << "the other shoulder, the other way";
    pad->setButton(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);

    tap(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_EQ(game->getState(), GameState::Paused);
    tap(SDL_CONTROLLER_BUTTON_BACK);
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game->getState(), GameState::GameMenu);
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(game->getState(), GameState::Running);
}

TEST_F(GamePadGLTest, MenusScreensAndAWholeGameWithoutMouseOrKeyboard)
{
    holdToEnd(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(game->getMainMenu()->getHighlighted()->getKey(), "exit");
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    EXPECT_EQ(game->getMainMenu()->getHighlighted()->getKey(), "help");
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(game->getState(), GameState::Help);
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(game->getHelpScreen().page(), 1);
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(game->getState(), GameState::MainMenu);

    startGame();
    game->addScore(1);
    finishGame();
    ASSERT_EQ(game->getState(), GameState::NameEntry);
    tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_EQ(game->getHighscoreTable().entries(0).size(), 1u);

    game->fixSeed(7);
    startGame();
    pad->setAxis(SDL_CONTROLLER_AXIS_LEFTX, 0.7);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0);
    frames(150);
    pad->setAxis(SDL_CONTROLLER_AXIS_LEFTX, 0.0);
    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.0);
    finishGame();
    EXPECT_EQ(game->getState(), GameState::MainMenu);

    // The game played by pad plays back as it went with the pad at rest.
    const Replay recorded = readReplay("last.replay");
    std::optional<ReplaySummary> played;
    game->playReplay(recorded, true, [&](const ReplaySummary& summary, const std::string&) { played = summary; });
    while (game->isPlayingBack()) game->frame();
    EXPECT_EQ(played, recorded.end);
}

TEST_F(GamePadGLTest, AHullHitRumblesLosingTheFocusLetsGoAndLosingThePadPauses)
{
    startGame();
    frames(2);
    EXPECT_EQ(pad->rumbles, 0);
    ship().onCollision(nullptr, Vector(), ship().getShield() + 1.0);
    frames();
    EXPECT_EQ(pad->rumbles, 1);
    EXPECT_EQ(pad->lastHigh, 0xffff) << "strong";

    pad->setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0);
    frames(2);
    testGame.platform.focus = false;
    frames(2);
    EXPECT_FALSE(ship().getProjectileGun()->isFiring()) << "the pad is let go without the focus";
    testGame.platform.focus = true;
    frames(2);
    EXPECT_TRUE(ship().getProjectileGun()->isFiring());
    pad->unplug();
    frames(2);
    EXPECT_EQ(game->getState(), GameState::Paused);
    EXPECT_FALSE(ship().getProjectileGun()->isFiring());
}

namespace {
// A scripted game with mouse and keys, finished from the in-game menu: its summary.
ReplaySummary playWithoutPad(bool padsStarted)
{
    TestGame game;
    if (padsStarted) game->usePads(GamePads::start(std::cerr));
    game->fixSeed(11);
    game->menuEntrySelected("start");
    game->receive({InputEvent::KeyDown, 'w'});
    game->receive({InputEvent::ButtonDown, 0, 300, 200});
    for (int frame = 0; frame < 120; ++frame) {
        game->receive({InputEvent::PointerMove, 0, 300 + frame, 200});
        game->frame();
    }
    game->receive({InputEvent::KeyDown, 27});
    game->frame();
    game->menuEntrySelected("finish");
    game->frame();  // completes the recording
    return game->getLastSummary();
}
}  // namespace

TEST(GamePadReplayGLTest, AGameWithoutPadGoesTheSameWithTheSubsystemStarted)
{
    const ReplaySummary without = playWithoutPad(false);
    EXPECT_GT(without.frames, 100);
    EXPECT_EQ(playWithoutPad(true), without);
}
