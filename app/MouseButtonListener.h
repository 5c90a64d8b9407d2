#pragma once
// MouseButtonListener: receives mouse button presses and releases (GLUT numbering: 0 left,
// 1 middle, 2 right; window pixels, origin top left) while it is listening. It listens from
// construction on; setListening switches that.

class MouseButtonListener {
public:
    MouseButtonListener();
    MouseButtonListener(const MouseButtonListener&);
    MouseButtonListener& operator=(const MouseButtonListener&) = default;
    virtual ~MouseButtonListener();

    virtual void mouseButtonPressed(int button, int x, int y) = 0;
    virtual void mouseButtonReleased(int button, int x, int y) = 0;
    void setListening(bool on);
};

void dispatchMouseButtonPressed(int button, int x, int y);
void dispatchMouseButtonReleased(int button, int x, int y);
