// pad_drive: plays the real game in its GLUT window with a virtual SDL pad only, from the main
// menu through a game to the highscore table, and takes a screenshot at each step into the
// folder given (default: the working directory). For looking at under Xvfb, not for ctest:
//     xvfb-run -a -s "-screen 0 1280x720x24" build/tests/pad_drive shots/
// Run it in a folder with links to the run folder's models/, fonts/ and Sound/: it writes a
// highscore table and replays there.
#include <GL/freeglut.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "app/GameManager.h"
#include "app/GamePads.h"
#include "app/GameWindow.h"
#include "tests/support/VirtualPad.h"

namespace {
std::string shots = ".";

void frames(int count)
{
    for (int i = 0; i < count; ++i) {
        glutMainLoopEvent();
        GameManager::getInstance()->frame();
        GameWindow::display();
    }
}

void shoot(const std::string& name)
{
    frames(2);
    const std::string command = "/usr/bin/import -window root " + shots + "/pad-" + name + ".png";
    if (std::system(command.c_str()) != 0) std::cerr << "pad_drive: no screenshot " << name << "\n";
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) shots = argv[1];
    Platform::install(&GameWindow::instance());
    GameManager::initialize(&argc, argv);
    GameManager* game = GameManager::getInstance();
    game->usePads(GamePads::start(std::cerr));
    VirtualPad pad;
    const auto tap = [&](SDL_GameControllerButton button) {
        pad.setButton(button, true);
        frames(3);
        pad.setButton(button, false);
        frames(3);
    };
    const auto hold = [&](SDL_GameControllerButton button, int count) {
        pad.setButton(button, true);
        frames(count);
        pad.setButton(button, false);
        frames(2);
    };
    frames(30);
    hold(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 90);  // to "Exit", which the pad does not choose here
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
    shoot("1-menu-help-highlighted");
    tap(SDL_CONTROLLER_BUTTON_A);
    shoot("2-help-with-pad-column");
    tap(SDL_CONTROLLER_BUTTON_B);
    hold(SDL_CONTROLLER_BUTTON_DPAD_UP, 90);
    tap(SDL_CONTROLLER_BUTTON_A);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTX, 0.6);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTY, -0.4);
    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0);
    pad.setAxis(SDL_CONTROLLER_AXIS_RIGHTY, -1.0);
    frames(60);
    shoot("3-flying-firing");
    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.0);
    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 1.0);
    frames(60);
    shoot("4-laser");
    pad.setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.0);
    pad.setAxis(SDL_CONTROLLER_AXIS_RIGHTY, 0.0);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTX, 0.0);
    pad.setAxis(SDL_CONTROLLER_AXIS_LEFTY, 0.0);
    tap(SDL_CONTROLLER_BUTTON_A);
    frames(30);
    game->addScore(1'000'000);  // sure to reach the table
    tap(SDL_CONTROLLER_BUTTON_START);
    hold(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 90);
    shoot("5-game-menu-finish");
    tap(SDL_CONTROLLER_BUTTON_A);
    shoot("6-name-entry");
    tap(SDL_CONTROLLER_BUTTON_START);
    hold(SDL_CONTROLLER_BUTTON_DPAD_UP, 90);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);  // "Highscores"
    tap(SDL_CONTROLLER_BUTTON_A);
    shoot("7-highscores");
    std::cout << "pad_drive: state " << static_cast<int>(game->getState()) << ", shots in " << shots << "\n";
    return game->getState() == GameState::Highscores ? 0 : 1;
}
