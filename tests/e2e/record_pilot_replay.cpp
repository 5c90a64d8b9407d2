// record_pilot_replay: records a whole game for the end-to-end tests to play back, on the null
// platform at a fixed time step, with an off-screen GL context for picking (no X server). The
// ScriptedPilot flies an Easy game on a fixed seed until a rock breaks and a little longer; then
// the game is finished from the in-game menu (ESC, a click at "Finish"), and a name is typed,
// with a backspace, into the highscore entry. Every step is input, so a replay of the file shows
// all of it. Run it in a folder holding models/, fonts/ and Sound/: the game's last.replay,
// highscores.dat and replays/ are left there.
#include <GL/freeglut_std.h>

#include <cstdint>
#include <iostream>
#include <string>

#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "bench/ScriptedPilot.h"
#include "scene/GameError.h"
#include "tests/support/GLContext.h"

namespace {
constexpr int width = 1280, height = 720;
// Measured: on this seed the pilot breaks an Easy rock less than 3 s into the game.
constexpr unsigned seed = 3;
constexpr int fps = ScriptedPilot::framesPerSecond;
constexpr int maxFramesToScore = 40 * fps;
constexpr int flyOn = fps / 2;  // after the first score
constexpr int menuFrames = fps / 2;
constexpr int nameFrames = 3 * fps / 2;  // long enough for a real-time playback's screenshots
constexpr std::int64_t frameNanoseconds = 1'000'000'000 / fps;
constexpr unsigned char escapeKey = 27, backspaceKey = 8, returnKey = 13;

std::int64_t gameNanoseconds = 0;

GameManager& game() { return *GameManager::getInstance(); }

// Frames at the fixed step. They are not drawn: a click picks its rock by drawing what it needs
// itself, so drawing (which would take nearly all the time) changes nothing that is recorded.
void step(int frames = 1)
{
    for (int i = 0; i < frames; ++i) {
        gameNanoseconds += frameNanoseconds;
        game().frame();
    }
}

void send(InputEvent::Kind kind, int code, int x = 0, int y = 0) { game().receive({kind, code, x, y, 0}); }

void tap(unsigned char key)
{
    send(InputEvent::KeyDown, key);
    step();
    send(InputEvent::KeyUp, key);
    step(6);
}

void clickMenuEntry(const std::string& key)
{
    for (const auto& entry : game().getGameMenu()->getEntries()) {
        if (entry->getKey() != key) continue;
        const int x = static_cast<int>(entry->getX() * width), y = static_cast<int>((1.0 - entry->getY()) * height);
        for (const auto kind : {InputEvent::PointerMove, InputEvent::ButtonDown, InputEvent::ButtonUp}) {
            send(kind, kind == InputEvent::PointerMove ? 0 : GLUT_LEFT_BUTTON, x, y);
            step();
        }
        return;
    }
    throw GameError("The in-game menu has no entry '" + key + "'");
}

void expectState(GameState state, const char* what)
{
    if (game().getState() != state) throw GameError(std::string("The game did not reach ") + what);
}

void record()
{
    send(InputEvent::WindowSize, 0, width, height);
    step();
    game().fixSeed(seed);
    game().menuEntrySelected("start");

    ScriptedPilot pilot(width, height);
    int frame = 0;
    for (; game().getScore() == 0; ++frame) {
        if (frame == maxFramesToScore || game().getState() != GameState::Running)
            throw GameError("The pilot broke no rock in " + std::to_string(frame / fps) + " s of play");
        pilot.fly(frame);
        step();
    }
    for (const int end = frame + flyOn; frame < end; ++frame) {
        pilot.fly(frame);
        step();
    }
    pilot.letGo();
    step();

    tap(escapeKey);
    expectState(GameState::GameMenu, "the in-game menu");
    step(menuFrames);
    clickMenuEntry("finish");
    expectState(GameState::NameEntry, "the name entry");
    for (unsigned char key : std::string("Pilotx")) tap(key);
    tap(backspaceKey);
    step(nameFrames);
    tap(returnKey);
    expectState(GameState::MainMenu, "the main menu after the name");  // which completes the file
}
}  // namespace

int main()
{
    if (!GLContext::create(width, height)) return 1;
    int status = 1;
    runReportingErrors(
        [&] {
            int gameArgc = 1;
            char name[] = "rubblestorm";
            char* gameArgv[] = {name, nullptr};
            GameManager::initialize(&gameArgc, gameArgv, [] { return gameNanoseconds; });
            record();
            GameManager::shutdown();
            status = 0;
        },
        std::cerr);
    GLContext::destroy();
    return status;
}
