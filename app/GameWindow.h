#pragma once
// GameWindow: the one GLUT window ("Rubblestorm", double-buffered RGB with depth, full
// screen) and the platform services that come with it. Its callbacks hand GLUT's input to the
// game manager, which dispatches it to the listeners in the next frame; they run the frame
// update in the idle callback and draw in the display callback. With "-d" on the command line, F5 switches between full
// screen and a 640 x 480 window at (100, 100).
#include "app/InputEvent.h"
#include "scene/Platform.h"

class GameWindow : public Platform {
public:
    static GameWindow& instance();

    void createWindow(int* argc, char** argv) override;
    void runMainLoop() override;
    void setKeyRepeat(bool on) override;
    void setSystemCursorVisible(bool visible) override;
    void showMessage(const std::string& title, const std::string& text) override;
    // Queued for the game manager to show (MessageQueue::forPlayer), even before it exists.
    void showInWindow(const std::string& title, const std::string& text) override;
    void exitProcess(int status) override;
    // Asks the X server: the focus is on the window, or follows the pointer and the pointer
    // is in it.
    bool hasFocus() const override;

    // One frame drawn and swapped to the screen: GLUT's display callback, which the timedemo
    // also calls to time the drawing.
    static void display();

private:
    GameWindow() = default;
    void toggleFullScreen();

    static void reshape(int width, int height);
    static void keyboard(unsigned char key, int x, int y);
    static void keyboardUp(unsigned char key, int x, int y);
    static void special(int key, int x, int y);
    static void specialUp(int key, int x, int y);
    static void mouse(int button, int state, int x, int y);
    static void motion(int x, int y);
    static void entry(int state);
    static void idle();
    static void send(InputEvent::Kind kind, int code, int x = 0, int y = 0);

    bool windowCreated_ = false;
    bool mainLoopEntered_ = false;
    bool fullScreen_ = false;
    bool windowToggleAllowed_ = false;
    bool pointerInside_ = true;
};
