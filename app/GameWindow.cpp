#include "app/GameWindow.h"

#include <GL/freeglut.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/GameManager.h"
#include "app/KeyboardListener.h"
#include "app/MouseButtonListener.h"
#include "app/MouseMoveListener.h"
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

bool GameWindow::allowsWindowToggle(int argc, char** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (argv[i] != nullptr && std::strcmp(argv[i], "-d") == 0) return true;
    }
    return false;
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
    windowToggleAllowed_ = allowsWindowToggle(*argc, argv);
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
}

void GameWindow::exitProcess(int status) { std::exit(status); }

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
    Background::draw();  // clears the buffers and draws the sky box
    SceneGraph::getInstance()->draw();
    glutSwapBuffers();
}

void GameWindow::reshape(int width, int height) { glViewport(0, 0, width, height); }

void GameWindow::keyboard(unsigned char key, int, int) { dispatchKeyPressed(key); }

void GameWindow::keyboardUp(unsigned char key, int, int) { dispatchKeyReleased(key); }

void GameWindow::special(int key, int, int)
{
    dispatchSpecialKeyPressed(key);
    GameWindow& window = instance();
    if (key == toggleKey && window.windowToggleAllowed_) window.toggleFullScreen();
}

void GameWindow::specialUp(int key, int, int) { dispatchSpecialKeyReleased(key); }

void GameWindow::mouse(int button, int state, int x, int y)
{
    if (state == GLUT_DOWN)
        dispatchMouseButtonPressed(button, x, y);
    else
        dispatchMouseButtonReleased(button, x, y);
}

void GameWindow::motion(int x, int y) { dispatchMouseMoved(x, y); }

void GameWindow::entry(int state)
{
    // The pointer leaving the window counts as a move to the top-left corner.
    if (state == GLUT_LEFT) dispatchMouseMoved(0, 0);
}

void GameWindow::idle()
{
    GameManager::getInstance()->frame();
    glutPostRedisplay();
}
