// timedemo: the real game in its real window playing a replay at a fixed time step; prints the
// frame times split into the world update (with the frame's input) and the drawing (up to a
// finished glFinish after the swap), and the replay's summary, so that runs can be checked to
// have played the same game.
// The replay is recorded first, in the same run, from the ScriptedPilot flying a game on a
// fixed seed for a fixed number of frames (the same game on every run of the same build), and
// written to timedemo-<scenario>.replay; "timedemo FILE" plays a replay file instead.
// Scenarios: "easy" and "impossible" start a game of that level from the main menu; "battle"
// starts an Impossible game and gathers its rocks in front of the ship (a start of the bench's
// own, named in the replay), so that fragments, sparks, dust and rocket trails fill the view.
// Frames named after a FILE are written as pictures, timedemo-<frame>.ppm, to compare the
// look of two builds frame by frame.
// Needs an X server of 1280 x 720 (xvfb-run) and the run folder as working directory; prints
// the peak resident memory of the whole run.
// Usage: timedemo easy|impossible|battle [frames] | timedemo FILE [picture frames...]
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "app/GameWindow.h"
#include "app/KeyCodes.h"
#include "app/Menu.h"
#include "bench/PeakMemory.h"
#include "bench/ScriptedPilot.h"
#include "bench/TimingSeries.h"
#include "scene/GameError.h"
#include "scene/TransparentSceneObject.h"
#include "world/Asteroid.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr unsigned seed = 9;
constexpr int defaultFrames = 600;
constexpr std::int64_t frameNanoseconds = 1'000'000'000 / ScriptedPilot::framesPerSecond;
constexpr auto fullScreenTimeout = std::chrono::seconds(5);
constexpr int maxFinishSteps = 8;

struct Scenario {
    const char* name;
    int difficulty;  // how often the main menu's difficulty entry is chosen
    bool gathered;
};
constexpr Scenario scenarios[] = {{"easy", 0, false}, {"impossible", 3, false}, {"battle", 3, true}};

const Scenario* findScenario(const char* name)
{
    for (const Scenario& scenario : scenarios)
        if (std::strcmp(scenario.name, name) == 0) return &scenario;
    return nullptr;
}

// The game clock the GameManager reads: frames advance it by exactly one step.
std::int64_t gameNanoseconds = 0;

void waitForFullScreen()
{
    const Clock::time_point deadline = Clock::now() + fullScreenTimeout;
    while (glutGet(GLUT_WINDOW_WIDTH) != glutGet(GLUT_SCREEN_WIDTH) ||
           glutGet(GLUT_WINDOW_HEIGHT) != glutGet(GLUT_SCREEN_HEIGHT)) {
        if (Clock::now() > deadline) throw GameError("The window did not fill the screen");
        glutMainLoopEvent();
    }
    glutMainLoopEvent();  // the reshape that follows
}

// One frame of the fixed step: window events, the game's frame, the drawing.
void step()
{
    gameNanoseconds += frameNanoseconds;
    glutMainLoopEvent();
    GameManager::getInstance()->frame();
    GameWindow::display();
}

// A left click on an entry of the in-game menu, made of the events a player's click makes so
// that the replay holds it (choosing the entry directly would leave the playback behind).
void clickGameMenuEntry(GameManager& game, const std::string& key)
{
    for (const auto& entry : game.getGameMenu()->getEntries()) {
        if (entry->getKey() != key) continue;
        const int x = static_cast<int>(std::lround(entry->getX() * glutGet(GLUT_WINDOW_WIDTH)));
        const int y = static_cast<int>(std::lround((1.0 - entry->getY()) * glutGet(GLUT_WINDOW_HEIGHT)));
        game.receive({InputEvent::PointerMove, 0, x, y, 0});
        game.receive({InputEvent::ButtonDown, GLUT_LEFT_BUTTON, x, y, 0});
        game.receive({InputEvent::ButtonUp, GLUT_LEFT_BUTTON, x, y, 0});
        return;
    }
    throw GameError("The in-game menu has no entry " + key);
}

// Back at the main menu the way a player gets there from wherever the game stands (a battle
// may be lost before its last frame): ESC past the game-over message and the name entry, the
// in-game menu's "finish" from a running game. The return completes the recording.
void finishGame(GameManager& game)
{
    for (int steps = 0; game.getState() != GameState::MainMenu; ++steps) {
        if (steps == maxFinishSteps) throw GameError("The recorded game did not return to the main menu");
        if (game.getState() == GameState::GameMenu)
            clickGameMenuEntry(game, "finish");
        else
            game.receive({InputEvent::KeyDown, KeyCode::escape});
        step();
    }
}

// The pilot's game, recorded as every game is; the in-game menu's "finish" completes the file.
std::string record(const Scenario& scenario, int frames)
{
    GameManager& game = *GameManager::getInstance();
    game.fixSeed(seed);
    if (scenario.gathered) game.setSpecialStart("battle", ScriptedPilot::gatherRocksAhead);
    for (int i = 0; i < scenario.difficulty; ++i) game.menuEntrySelected("difficulty");
    game.menuEntrySelected("start");
    if (game.getState() != GameState::Running) throw GameError("The game did not start");
    ScriptedPilot pilot(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    for (int frame = 0; frame < frames; ++frame) {
        pilot.fly(frame);
        step();
    }
    pilot.letGo();
    finishGame(game);
    const std::string file = std::string("timedemo-") + scenario.name + ".replay";
    std::filesystem::copy_file("last.replay", file, std::filesystem::copy_options::overwrite_existing);
    return file;
}

struct Peaks {
    std::size_t rocks = 0;
    std::size_t blended = 0;
    void take()
    {
        rocks = std::max(rocks, Asteroid::registry().size());
        blended = std::max(blended, TransparentSceneObject::registry().size());
    }
};

// The picture of the frame just shown, as a binary PPM (the swap leaves it in the back buffer too).
void writePicture(int frame)
{
    const int width = glutGet(GLUT_WINDOW_WIDTH), height = glutGet(GLUT_WINDOW_HEIGHT);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(3 * width * height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::ofstream out("timedemo-" + std::to_string(frame) + ".ppm", std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (int row = height - 1; row >= 0; --row)  // GL's rows run bottom up
        out.write(reinterpret_cast<const char*>(&pixels[static_cast<std::size_t>(3 * width * row)]), 3 * width);
}

void play(const std::string& file, const std::set<int>& pictureFrames = {})
{
    GameManager& game = *GameManager::getInstance();
    bool playing = true;
    std::string summary;
    game.playReplay(file, true, [&](const ReplaySummary& end, const std::string& failure) {
        playing = false;
        summary = failure.empty() ? summaryLine(end) : failure;
    });
    TimingSeries frameTimes, updateTimes, drawTimes;
    Peaks peaks;
    while (playing) {
        gameNanoseconds += frameNanoseconds;
        glutMainLoopEvent();
        const Clock::time_point start = Clock::now();
        game.frame();
        const Clock::time_point updated = Clock::now();
        GameWindow::display();
        glFinish();
        const Clock::time_point drawn = Clock::now();
        updateTimes.add(updated - start);
        drawTimes.add(drawn - updated);
        frameTimes.add(drawn - start);
        peaks.take();
        const int frame = static_cast<int>(frameTimes.count());
        if (pictureFrames.contains(frame)) writePicture(frame);
    }

    std::printf("timedemo %s: %d x %d\n%s\n", file.c_str(), glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT),
                summary.c_str());
    std::printf("%s\n%s\n%s\n%s\n", TimingSeries::header().c_str(), frameTimes.row("frame").c_str(),
                updateTimes.row("  world update").c_str(), drawTimes.row("  drawing").c_str());
    std::printf("at most %zu rocks and %zu blended objects (clouds, shots, markers) at once\n", peaks.rocks,
                peaks.blended);
    std::printf("peak resident memory %.1f MB\n\n", PeakMemory::megabytes());
}
}  // namespace

int main(int argc, char** argv)
{
    const Scenario* scenario = argc >= 2 ? findScenario(argv[1]) : nullptr;
    const int frames = scenario != nullptr && argc >= 3 ? std::atoi(argv[2]) : defaultFrames;
    std::set<int> pictureFrames;
    for (int i = 2; scenario == nullptr && i < argc; ++i) pictureFrames.insert(std::atoi(argv[i]));
    if (argc < 2 || frames <= 0) {
        std::cerr << "usage: timedemo easy|impossible|battle [frames] | timedemo FILE [picture frames...]\n";
        return 2;
    }
    Platform::install(&GameWindow::instance());
    runReportingErrors(
        [&] {
            GameManager::initialize(&argc, argv, [] { return gameNanoseconds; });
            waitForFullScreen();
            if (scenario != nullptr) {
                play(record(*scenario, frames));
            } else {
                // A battle replay from a file starts the bench's own way too.
                GameManager::getInstance()->setSpecialStart("battle", ScriptedPilot::gatherRocksAhead);
                play(argv[1], pictureFrames);
            }
            GameManager::shutdown();
        },
        std::cout);
    return 0;
}
