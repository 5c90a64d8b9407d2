// The game flow's state machine, row by row, with the real menus, screens and world under an
// off-screen GL context. The game runs in a scratch folder, so its highscore file is its own.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "app/GameManager.h"
#include "app/KeyboardListener.h"
#include "app/Level.h"
#include "app/MessageQueue.h"
#include "app/Replay.h"
#include "overlay/MessageBox.h"
#include "overlay/ScreenTextPoint.h"
#include "scene/Viewport.h"
#include "sound/GameSounds.h"
#include "tests/support/GameStage.h"
#include "world/LaserGun.h"
#include "world/Rocket.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/SpaceShip.h"

namespace {
constexpr unsigned char escape = GameStage::escape;
using GameFlowGLTest = GameStage;
}  // namespace

TEST_F(GameFlowGLTest, StartsInTheMainMenuWithItsMusic)
{
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    ASSERT_NE(game->getMainMenu(), nullptr);
    EXPECT_EQ(game->getMainMenu()->getEntries().size(), 6u);
    EXPECT_EQ(game->getMainMenu()->getEntries()[1]->getText(), "Difficulty of next game:\nEasy");
    EXPECT_FALSE(menuMusic().isPaused());
    EXPECT_TRUE(platform.systemCursorVisible) << "menus are worked with the system pointer";
    EXPECT_TRUE(game->getTimer().isPaused());
}

TEST_F(GameFlowGLTest, DifficultyCyclesThroughTheLevels)
{
    for (const char* level : {"Medium", "Hard", "Impossible", "Easy"}) {
        choose("difficulty");
        EXPECT_EQ(game->getMainMenu()->getEntries()[1]->getText(), std::string("Difficulty of next game:\n") + level);
    }
    EXPECT_EQ(game->getSelectedLevel(), 0);
}

TEST_F(GameFlowGLTest, ScreensOfTheMainMenuAndBack)
{
    press('h');
    EXPECT_EQ(game->getState(), GameState::MainMenu) << "H does nothing in the main menu";

    choose("help");
    EXPECT_EQ(game->getState(), GameState::Help);
    EXPECT_FALSE(game->getMainMenu()->isActive());
    press('x');
    game->mouseButtonPressed(GLUT_RIGHT_BUTTON, Pointer{});
    EXPECT_EQ(game->getHelpScreen().page(), 0) << "pages 1, 2, 1";
    press(escape);
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_TRUE(game->getMainMenu()->isActive());

    choose("difficulty");
    choose("highscores");
    EXPECT_EQ(game->getState(), GameState::Highscores);
    EXPECT_EQ(game->getHighscoreScreen().shownLevel(), 1) << "the selected level's table";
    dispatchSpecialKeyPressed(GLUT_KEY_F7);
    EXPECT_EQ(game->getHighscoreScreen().shownLevel(), 2);
    press(escape);
    EXPECT_EQ(game->getState(), GameState::MainMenu);

    choose("credits");
    EXPECT_EQ(game->getState(), GameState::Credits);
    press('q');
    EXPECT_EQ(game->getState(), GameState::Credits);
    press(escape);
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_EQ(platform.exitStatus, -1);
}

TEST_F(GameFlowGLTest, EscapeAndExitEndTheProgramFromTheMainMenu)
{
    press(escape);
    EXPECT_EQ(platform.exitStatus, 0);
    platform.exitStatus = -1;
    choose("exit");
    EXPECT_EQ(platform.exitStatus, 0);
}

TEST_F(GameFlowGLTest, AGameStartsOnTheSelectedLevel)
{
    choose("difficulty");
    choose("difficulty");  // Hard
    startGame();
    EXPECT_EQ(game->getMainMenu(), nullptr);
    ASSERT_NE(game->getWorld(), nullptr);
    EXPECT_EQ(GameManager::currentLevel().asteroidCounts[0].count, 12);
    EXPECT_FALSE(game->getTimer().isPaused());
    EXPECT_EQ(game->getScore(), 0);
    EXPECT_TRUE(menuMusic().isPaused()) << "the menu music fades out";
    EXPECT_FALSE(backgroundMusic().isPaused());
    EXPECT_FALSE(platform.systemCursorVisible) << "the game is flown with the crosshair";
}

TEST_F(GameFlowGLTest, PauseHelpAndTheInGameMenu)
{
    startGame();
    press('p');
    EXPECT_EQ(game->getState(), GameState::Paused);
    EXPECT_TRUE(game->getTimer().isPaused());
    press('H');
    EXPECT_EQ(game->getState(), GameState::Help);
    press(escape);
    EXPECT_EQ(game->getState(), GameState::Paused) << "help opened from a pause returns to it";
    press('P');
    EXPECT_EQ(game->getState(), GameState::Running);

    press('h');
    EXPECT_TRUE(game->getTimer().isPaused());
    press(escape);
    EXPECT_EQ(game->getState(), GameState::Running);
    EXPECT_FALSE(game->getTimer().isPaused()) << "game time goes on from where it stopped";

    press(escape);
    EXPECT_EQ(game->getState(), GameState::GameMenu);
    ASSERT_NE(game->getGameMenu(), nullptr);
    press('p');
    press('h');
    EXPECT_EQ(game->getState(), GameState::GameMenu) << "P and H do nothing in the in-game menu";
    choose("help");
    EXPECT_EQ(game->getState(), GameState::Help);
    press(escape);
    EXPECT_EQ(game->getState(), GameState::GameMenu);
    choose("highscores");
    EXPECT_EQ(game->getState(), GameState::Highscores);
    EXPECT_EQ(game->getHighscoreScreen().shownLevel(), 0) << "the game's own level";
    press(escape);
    EXPECT_EQ(game->getState(), GameState::GameMenu);
    choose("resume");
    EXPECT_EQ(game->getState(), GameState::Running);
    EXPECT_EQ(game->getGameMenu(), nullptr);
    press(escape);
    press(escape);
    EXPECT_EQ(game->getState(), GameState::Running) << "ESC closes the in-game menu too";
}

TEST_F(GameFlowGLTest, TheFirstGameOverWinsAndPointsAfterItAreLost)
{
    startGame();
    game->addScore(2.7);
    EXPECT_EQ(game->getScore(), 200) << "whole points times the score factor";
    game->gameEventOccurred(GameLost);
    EXPECT_EQ(game->getState(), GameState::Lost);
    game->gameEventOccurred(GameWon);
    EXPECT_EQ(game->getMessage().getText(), "GAME OVER\nYou lost the game!");
    EXPECT_TRUE(game->getMessage().isVisible());
    game->addScore(5);
    EXPECT_EQ(game->getScore(), 200);
    EXPECT_TRUE(backgroundMusic().isPaused());
    EXPECT_FALSE(loseJingle().isPaused());
}

TEST_F(GameFlowGLTest, HelpInAGameHoldsTheWeaponsAsAPauseDoes)
{
    startGame();
    game->frame();  // the rails are ready once placed
    SpaceShip* ship = game->getWorld()->getWorld()->getShip();
    press('h');
    dispatchMouseButtonPressed(GLUT_RIGHT_BUTTON, Pointer{});
    dispatchMouseButtonPressed(GLUT_MIDDLE_BUTTON, Pointer{});
    EXPECT_EQ(Rocket::registry().size(), 0u);
    EXPECT_FALSE(ship->getLaserGun()->isFiring());
    press(escape);
    dispatchMouseButtonPressed(GLUT_RIGHT_BUTTON, Pointer{});
    EXPECT_EQ(Rocket::registry().size(), 1u) << "a rocket goes once the game runs again";
    EXPECT_FALSE(game->getWorld()->isPaused());
    EXPECT_TRUE(ship->getLaserGun()->isFiring()) << "the button still held charges the laser on return";
}

TEST_F(GameFlowGLTest, ANewHighscoreIsEnteredByName)
{
    startGame();
    game->addScore(3);
    game->gameEventOccurred(GameWon);
    press(escape);
    ASSERT_EQ(game->getState(), GameState::NameEntry);
    EXPECT_TRUE(platform.keyRepeat) << "typing repeats held keys";
    press(8);  // backspace on an empty name
    for (char c : std::string("Captain Rubblestorm The Great")) press(static_cast<unsigned char>(c));
    EXPECT_EQ(game->getNameField().getText(), "Captain Rubblestorm ") << "at most 20 characters";
    press(8);
    press('!');
    press(13);
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_FALSE(platform.keyRepeat);
    EXPECT_EQ(game->getWorld(), nullptr) << "the world goes with the return to the main menu";
    const auto& easy = game->getHighscoreTable().entries(0);
    ASSERT_EQ(easy.size(), 1u);
    EXPECT_EQ(easy[0].name, "Captain Rubblestorm!");
    EXPECT_EQ(easy[0].score, 300);
    EXPECT_TRUE(std::filesystem::exists("highscores.dat"));
}

TEST_F(GameFlowGLTest, FinishingAGame)
{
    startGame();
    press(escape);
    choose("finish");
    EXPECT_EQ(game->getState(), GameState::MainMenu) << "no points, no name entry";
    EXPECT_FALSE(menuMusic().isPaused());

    startGame();
    game->addScore(1);
    press(escape);
    choose("finish");
    ASSERT_EQ(game->getState(), GameState::NameEntry);
    EXPECT_NE(game->getWorld(), nullptr) << "kept behind the name entry";
    press(escape);
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_TRUE(game->getHighscoreTable().entries(0).empty()) << "ESC skips the entry";
}

TEST_F(GameFlowGLTest, AnEmptiedNameIsUnknownAndTheFieldOffersTheLastTypedOne)
{
    const std::pair<std::string, std::string> offeredAndTyped[] = {{"", "Ann"}, {"Ann", ""}, {"Ann", "Bob"}};
    for (const auto& [offered, typed] : offeredAndTyped) {
        startGame();
        game->addScore(1);
        game->gameEventOccurred(GameLost);
        press(escape);
        ASSERT_EQ(game->getState(), GameState::NameEntry);
        EXPECT_EQ(game->getNameField().getText(), offered) << "before " << typed;
        while (!game->getNameField().getText().empty()) press(8);
        for (char c : typed) press(static_cast<unsigned char>(c));
        press(13);
    }
    std::vector<std::string> names;
    for (const HighscoreEntry& entry : game->getHighscoreTable().entries(0)) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "unknown", "Bob"}));
}

TEST_F(GameFlowGLTest, VolumeKeysActOnTheMusicThatPlays)
{
    press('5');
    EXPECT_NEAR(menuMusic().getVolume(), 5.0 / 9.0 * 255.0, 1e-3) << "the menu music in the menus";
    dispatchKeyPressed('+');
    EXPECT_TRUE(menuMusic().isAdjusting());
    dispatchKeyPressed('-');
    EXPECT_FALSE(menuMusic().isAdjusting()) << "both keys together stop the ramp";
    dispatchKeyReleased('-');
    dispatchKeyReleased('=');  // '+' let go after Shift
    EXPECT_FALSE(menuMusic().isAdjusting());

    startGame();
    press('9');
    EXPECT_NEAR(backgroundMusic().getVolume(), 255.0, 1e-3) << "the background music in a game";
}

TEST_F(GameFlowGLTest, TheWorldAdvancesOnlyWhileTheGameRunsOrShowsItsEnd)
{
    startGame();
    game->frame();
    press('p');
    const double pausedAt = game->getTimer().getElapsed();
    const std::uint64_t pausedWorld = game->worldChecksum();
    for (int i = 0; i < 3; ++i) game->frame();
    EXPECT_EQ(game->getTimer().getElapsed(), pausedAt);
    EXPECT_EQ(game->worldChecksum(), pausedWorld);
    press('p');
    game->gameEventOccurred(GameLost);
    const std::uint64_t lostWorld = game->worldChecksum();
    game->frame();
    EXPECT_EQ(game->getState(), GameState::Lost);
    EXPECT_NE(game->worldChecksum(), lostWorld) << "the world keeps moving behind the message";
}

namespace {
// Input as the window hands it over: it takes effect in the next frame.
void send(GameManager& game, InputEvent::Kind kind, int code, int x = 0, int y = 0)
{
    game.receive({kind, code, x, y, 0});
    game.frame();
}

void clickOn(GameManager& game, const MenuEntry& entry)
{
    const Viewport viewport = Viewport::current();
    const int x = static_cast<int>(entry.getX() * viewport.width);
    const int y = static_cast<int>((1.0 - entry.getY()) * viewport.height);
    send(game, InputEvent::PointerMove, 0, x, y);
    send(game, InputEvent::ButtonDown, GLUT_LEFT_BUTTON, x, y);
    send(game, InputEvent::ButtonUp, GLUT_LEFT_BUTTON, x, y);
}

// A few seconds of flying, firing and pausing, then the game finished from the in-game menu.
void flyAndFinish(GameManager& game)
{
    send(game, InputEvent::KeyDown, 'w');
    send(game, InputEvent::ButtonDown, GLUT_LEFT_BUTTON, 300, 200);
    for (int frame = 0; frame < 120; ++frame) send(game, InputEvent::PointerMove, 0, 300 + frame, 200 + frame / 2);
    send(game, InputEvent::KeyDown, 'p');
    send(game, InputEvent::KeyDown, 'p');
    send(game, InputEvent::ButtonDown, GLUT_RIGHT_BUTTON, 320, 240);
    for (int frame = 0; frame < 60; ++frame) game.frame();
    send(game, InputEvent::KeyDown, escape);
    clickOn(game, *game.getGameMenu()->getEntries()[3]);  // "Finish the game"
}

std::optional<ReplaySummary> playBack(GameManager& game, const Replay& replay, std::string& failure)
{
    std::optional<ReplaySummary> played;
    game.playReplay(replay, true, [&](const ReplaySummary& summary, const std::string& why) {
        played = summary;
        failure = why;
    });
    while (game.isPlayingBack()) game.frame();
    return played;
}
}  // namespace

TEST_F(GameFlowGLTest, InAGameEveryKeyTurnsOnePageAndAModifierNone)
{
    using E = InputEvent;
    const auto stroke = [](E::Kind down, int code) { return std::vector<E>{{down, code}, {E::Kind(down + 1), code}}; };
    std::vector<std::pair<std::vector<E>, int>> strokesAndPages;
    for (unsigned char key : {'w', 'a', 's', 'd', 'x'}) strokesAndPages.push_back({stroke(E::KeyDown, key), 1});
    for (int key : {GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_LEFT, GLUT_KEY_RIGHT, GLUT_KEY_F7})
        strokesAndPages.push_back({stroke(E::SpecialDown, key), 1});
    for (int key = GLUT_KEY_SHIFT_L; key <= GLUT_KEY_SUPER_R; ++key)
        strokesAndPages.push_back({stroke(E::SpecialDown, key), 0});
    strokesAndPages.push_back({stroke(E::SpecialDown, GLUT_KEY_NUM_LOCK), 0});
    strokesAndPages.push_back({{{E::SpecialDown, GLUT_KEY_SHIFT_L}, {E::KeyDown, 'W'}, {E::KeyUp, 'w'}}, 1});

    startGame();
    send(*game, E::KeyDown, escape);
    choose("highscores");
    for (const auto& [events, pages] : strokesAndPages) {
        const int before = game->getHighscoreScreen().shownLevel();
        for (const E& event : events) send(*game, event.kind, event.code);
        EXPECT_EQ(game->getHighscoreScreen().shownLevel(), (before + pages) % 4) << "key " << events[0].code;
    }
}

TEST_F(GameFlowGLTest, EveryGameIsRecordedAndPlaysBackAsItWent)
{
    game->fixSeed(5);
    startGame();
    flyAndFinish(*game);
    ASSERT_EQ(game->getState(), GameState::MainMenu);
    const Replay recorded = readReplay("last.replay");
    ASSERT_TRUE(recorded.end) << "completed at the return to the main menu";
    EXPECT_EQ(*recorded.end, game->getLastSummary());
    EXPECT_EQ(recorded.start.seed, 5u);

    std::string failure;
    EXPECT_EQ(playBack(*game, recorded, failure), recorded.end);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_EQ(readReplay("last.replay"), recorded) << "playback records nothing";

    Replay diverging = recorded;
    for (ReplayRun& run : diverging.runs)
        if (run.frame.checksum) run.frame.checksum = *run.frame.checksum + 1;
    EXPECT_NE(playBack(*game, diverging, failure), recorded.end);
    EXPECT_NE(failure.find("diverged"), std::string::npos) << failure;
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_EQ(game->getWorld(), nullptr);
}

TEST_F(GameFlowGLTest, AMessageHoldsTheGameAndItsDismissalGoesNowhereElse)
{
    MessageQueue& messages = MessageQueue::forPlayer();
    game->fixSeed(7);
    startGame();
    for (int frame = 0; frame < 30; ++frame) send(*game, InputEvent::PointerMove, 0, 300 + frame, 200);
    messages.push("Error", "first");
    messages.push("Error", "second");
    game->frame();
    const double heldAt = game->getTimer().getElapsed();
    EXPECT_EQ(game->getMessageBox().title().getText(), "Error");
    send(*game, InputEvent::KeyDown, 'p');
    send(*game, InputEvent::KeyUp, 'p');
    send(*game, InputEvent::PointerMove, 0, 400, 300);
    EXPECT_EQ(game->getMessageBox().text().getText(), "second");
    EXPECT_EQ(game->getTimer().getElapsed(), heldAt) << "the world stood still";
    send(*game, InputEvent::ButtonDown, GLUT_RIGHT_BUTTON, 320, 240);
    send(*game, InputEvent::ButtonUp, GLUT_RIGHT_BUTTON, 320, 240);
    EXPECT_FALSE(game->getMessageBox().isVisible());
    EXPECT_EQ(game->getState(), GameState::Running) << "P dismissed the first message only";
    EXPECT_EQ(Rocket::registry().size(), 0u) << "the click dismissed the second only";
    EXPECT_GT(game->getTimer().getElapsed(), heldAt);
    flyAndFinish(*game);

    // The recording holds the game as it went on, so playback needs no box; one raised then
    // waits for the end.
    const Replay recorded = readReplay("last.replay");
    messages.push("Error", "later");
    game->playReplay(recorded, true);
    game->frame();
    EXPECT_FALSE(game->getMessageBox().isVisible());
    while (game->isPlayingBack()) game->frame();
    EXPECT_EQ(game->getLastSummary(), *recorded.end);
    EXPECT_EQ(game->getMessageBox().text().getText(), "later");
    send(*game, InputEvent::KeyDown, 'x');
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(GameFlowGLTest, AGameInTheTableKeepsItsReplayAndPlaybackWritesNoTable)
{
    for (int points : {1, 2}) {
        startGame();
        game->addScore(points);
        game->gameEventOccurred(GameWon);
        send(*game, InputEvent::KeyDown, escape);
        send(*game, InputEvent::KeyDown, 13);
    }
    const Replay second = readReplay("last.replay");
    EXPECT_EQ(readReplay("replays/easy-1.replay"), second) << "the better game first";
    EXPECT_TRUE(std::filesystem::exists("replays/easy-2.replay"));

    std::filesystem::remove("highscores.dat");
    std::string failure;
    playBack(*game, second, failure);
    EXPECT_FALSE(std::filesystem::exists("highscores.dat")) << "the replay answers whether its score qualified";
    EXPECT_EQ(readReplay("replays/easy-1.replay"), second);
}

TEST_F(GameFlowGLTest, DuringPlaybackOnlyPAndEscapeAct)
{
    game->fixSeed(6);
    startGame();
    flyAndFinish(*game);
    const Replay recorded = readReplay("last.replay");
    game->playReplay(recorded, false);
    ASSERT_TRUE(game->isPlayingBack());
    send(*game, InputEvent::KeyDown, 'h');
    send(*game, InputEvent::ButtonDown, GLUT_LEFT_BUTTON, 10, 10);
    EXPECT_EQ(game->getState(), GameState::Running) << "live input does not reach the game";
    send(*game, InputEvent::KeyDown, escape);
    EXPECT_FALSE(game->isPlayingBack());
    EXPECT_EQ(game->getState(), GameState::MainMenu);

    EXPECT_FALSE(game->playReplay("no-such.replay", true));
    EXPECT_EQ(game->getState(), GameState::MainMenu);
    EXPECT_NE(platform.lastMessage.find("no-such.replay"), std::string::npos);
}
