// The real GLUT window under Xvfb: full screen, X input reaching the listeners, F5 under "-d".
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include "app/GameManager.h"
#include "app/GameWindow.h"
#include "app/KeyboardListener.h"
#include "app/MouseButtonListener.h"
#include "app/MouseMoveListener.h"
#include "scene/Viewport.h"

namespace {
struct Recorder : KeyboardListener, MouseButtonListener, MouseMoveListener {
    void keyPressed(unsigned char key) override { keys.push_back(key); }
    void keyReleased(unsigned char key) override { keys.push_back(-key); }
    void specialKeyPressed(int) override {}
    void specialKeyReleased(int) override {}
    void mouseButtonPressed(int button, const Pointer& at) override { buttons.push_back({button, at.x, at.y}); }
    void mouseButtonReleased(int button, const Pointer& at) override { buttons.push_back({-1 - button, at.x, at.y}); }
    void mouseMoved(const Pointer& at) override { moves.push_back({at.x, at.y, at.width, at.height}); }
    std::vector<int> keys;
    std::vector<std::vector<int>> buttons, moves;
};

// Lets GLUT and the game's frames hand the input on until `done`, for at most five seconds.
bool pumpUntil(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        glutMainLoopEvent();
        if (GameManager* game = GameManager::getInstance()) game->frame();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void xdotool(const char* arguments)
{
    const std::string command = std::string("xdotool ") + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}
}  // namespace

TEST(GameWindowWindowTest, WindowCallbacksAndTheF5Switch)
{
    int argc = 2;
    char name[] = "rubblestorm", toggle[] = "-d";
    char* argv[] = {name, toggle, nullptr};
    Platform::install(&GameWindow::instance());
    GameManager::initialize(&argc, argv);
    ASSERT_TRUE(pumpUntil([] { return Viewport::current().width == 1280 && Viewport::current().height == 720; }))
        << "the window did not fill the 1280x720 screen";

    Recorder recorder;
    xdotool("mousemove 640 360 key a click 1");
    ASSERT_TRUE(pumpUntil([&] { return recorder.keys.size() >= 2 && recorder.buttons.size() >= 2; }));
    EXPECT_EQ(recorder.keys, (std::vector<int>{'a', -'a'}));
    EXPECT_EQ(recorder.buttons, (std::vector<std::vector<int>>{{0, 640, 360}, {-1, 640, 360}}));
    EXPECT_EQ(recorder.moves.back(), (std::vector<int>{640, 360, 1280, 720}));

    xdotool("key F5");
    ASSERT_TRUE(pumpUntil([] { return glutGet(GLUT_WINDOW_WIDTH) == 640; }));

    recorder.moves.clear();
    xdotool("mousemove 1200 700");  // outside the 640x480 window at (100, 100)
    ASSERT_TRUE(pumpUntil([&] { return !recorder.moves.empty() && recorder.moves.back()[0] == 0; }));
    EXPECT_EQ(recorder.moves.back(), (std::vector<int>{0, 0, 640, 480}))
        << "leaving counts as a move to the corner of the window as it is now";
}
