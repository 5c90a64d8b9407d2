#pragma once
// Platform: the few window-system services the game needs, behind one small interface so
// that the game runs headless. The real one is the GLUT window (app/GameWindow); until it is
// installed, a null platform answers: no window, no cursor, messages on standard error only,
// and an exit request that is only recorded (tests read it back).
#include <string>

class Platform {
public:
    virtual ~Platform() = default;

    // Creates the one window with all its callbacks; later calls do nothing.
    virtual void createWindow(int* argc, char** argv) = 0;
    // Enters the event loop, once; it does not return on a real window.
    virtual void runMainLoop() = 0;
    virtual void setKeyRepeat(bool on) = 0;
    virtual void setSystemCursorVisible(bool visible) = 0;
    // A message for the player that needs no answer (the BMP reader's errors): a line
    // "title: text" on standard error, and the same in the window.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // The message in the window only, for a caller that has reported it on standard error in
    // words of its own.
    virtual void showInWindow(const std::string& title, const std::string& text) = 0;
    virtual void exitProcess(int status) = 0;
    // Whether the window has the keyboard focus (game pads follow it); a platform without a
    // window always has it.
    virtual bool hasFocus() const { return true; }

    static Platform& get();
    // Makes `platform` the one in use (not owned; it must outlive its use). Null restores
    // the null platform.
    static void install(Platform* platform);
};

// The headless platform: records what was asked of it.
class NullPlatform : public Platform {
public:
    void createWindow(int*, char**) override { windowCreated = true; }
    void runMainLoop() override { ++mainLoopRuns; }
    void setKeyRepeat(bool on) override { keyRepeat = on; }
    void setSystemCursorVisible(bool visible) override { systemCursorVisible = visible; }
    void showMessage(const std::string& title, const std::string& text) override;
    void showInWindow(const std::string&, const std::string& text) override { lastMessage = text; }
    void exitProcess(int status) override { exitStatus = status; }
    bool hasFocus() const override { return focus; }

    bool windowCreated = false;
    int mainLoopRuns = 0;
    bool keyRepeat = false;
    bool systemCursorVisible = true;
    int exitStatus = -1;  // -1 while no exit was asked for
    bool focus = true;
    std::string lastMessage;
};
