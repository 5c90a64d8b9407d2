#include "app/GameWindow.h"

#include <GL/freeglut.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/CommandLine.h"
#include "app/GameManager.h"
#include "app/MessageQueue.h"
#include "app/WindowFocus.h"
#include "scene/Background.h"
#include "scene/SceneGraph.h"

namespace {
constexpr int toggleKey = GLUT_KEY_F5;
constexpr int heapTrimThreshold = 128 << 20;
constexpr int windowedWidth = 640, windowedHeight = 480, windowedLeft = 100, windowedTop = 100;
}  // namespace

GameWindow& GameWindow::instance()
{
    static GameWindow* window = new GameWindow;
    return *window;
}

void GameWindow::createWindow(int* argc, char** argv)
{
    if (windowCreated_) return;
    // Frames made of display lists allocate and free in bursts; without a high trim threshold
    // glibc returns and regrows the heap every frame (about 3x slower). Set here, every program
    // that draws in this window (the game, the timedemo) runs with it.
    mallopt(M_TRIM_THRESHOLD, heapTrimThreshold);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    // Without a window manager glutFullScreen keeps the start offset; start at the corner.
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(windowedWidth, windowedHeight);
    glutCreateWindow("Rubblestorm");
    SceneGraph::getInstance()->setBackground(Background::draw);
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glutIgnoreKeyRepeat(1);
    glutKeyboardFunc(keyboard);
    glutKeyboardUpFunc(keyboardUp);
    glutSpecialFunc(special);
    glutSpecialUpFunc(specialUp);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutPassiveMotionFunc(motion);
    glutEntryFunc(entry);
    glutIdleFunc(idle);
    glutFullScreen();
    fullScreen_ = true;
    windowCreated_ = true;
    windowToggleAllowed_ = CommandLine::parse(*argc, argv).windowToggle;
}

void GameWindow::runMainLoop()
{
    if (!windowCreated_ || mainLoopEntered_) return;
    mainLoopEntered_ = true;
    glutMainLoop();
}

void GameWindow::setKeyRepeat(bool on) { glutIgnoreKeyRepeat(on ? 0 : 1); }

void GameWindow::setSystemCursorVisible(bool visible)
{
    glutSetCursor(visible ? GLUT_CURSOR_INHERIT : GLUT_CURSOR_NONE);
}

void GameWindow::showMessage(const std::string& title, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    showInWindow(title, text);
}

void GameWindow::showInWindow(const std::string& title, const std::string& text)
{
    MessageQueue::forPlayer().push(title, text);
}

void GameWindow::exitProcess(int status) { std::exit(status); }

bool GameWindow::hasFocus() const { return currentWindowHasFocus(pointerInside_); }

void GameWindow::toggleFullScreen()
{
    if (fullScreen_) {
        glutLeaveFullScreen();
        glutReshapeWindow(windowedWidth, windowedHeight);
        glutPositionWindow(windowedLeft, windowedTop);
    } else {
        // Without a window manager freeglut keeps the window's offset when it fills the
        // screen; move it to the corner first.
        glutPositionWindow(0, 0);
        glutFullScreen();
    }
    fullScreen_ = !fullScreen_;
}

void GameWindow::display()
{
    SceneGraph::getInstance()->draw();
    glutSwapBuffers();
}

void GameWindow::send(InputEvent::Kind kind, int code, int x, int y)
{
    GameManager::getInstance()->receive({kind, code, x, y, 0});
}

void GameWindow::reshape(int width, int height)
{
    glViewport(0, 0, width, height);
    send(InputEvent::WindowSize, 0, width, height);
}

void GameWindow::keyboard(unsigned char key, int, int) { send(InputEvent::KeyDown, key); }

void GameWindow::keyboardUp(unsigned char key, int, int) { send(InputEvent::KeyUp, key); }

void GameWindow::special(int key, int, int)
{
    send(InputEvent::SpecialDown, key);
    GameWindow& window = instance();
    if (key == toggleKey && window.windowToggleAllowed_) window.toggleFullScreen();
}

void GameWindow::specialUp(int key, int, int) { send(InputEvent::SpecialUp, key); }

void GameWindow::mouse(int button, int state, int x, int y)
{
    send(state == GLUT_DOWN ? InputEvent::ButtonDown : InputEvent::ButtonUp, button, x, y);
}

void GameWindow::motion(int x, int y) { send(InputEvent::PointerMove, 0, x, y); }

void GameWindow::entry(int state)
{
    // The pointer leaving the window counts as a move to the top-left corner.
    if (state == GLUT_LEFT) send(InputEvent::PointerMove, 0, 0, 0);
    instance().pointerInside_ = state != GLUT_LEFT;
}

void GameWindow::idle()
{
    GameManager::getInstance()->frame();
    glutPostRedisplay();
}
