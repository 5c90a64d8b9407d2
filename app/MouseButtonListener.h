#pragma once
// MouseButtonListener: receives mouse button presses and releases (GLUT numbering: 0 left,
// 1 middle, 2 right; window pixels, origin top left) while it is listening. It listens from
// construction on; setListening switches that.

#include "scene/Registered.h"

class MouseButtonListener : public Registered<MouseButtonListener> {
public:
    MouseButtonListener() : Registered(this) {}
    virtual ~MouseButtonListener() = default;

    virtual void mouseButtonPressed(int button, int x, int y) = 0;
    virtual void mouseButtonReleased(int button, int x, int y) = 0;
    void setListening(bool on) { setRegistered(on); }
};

void dispatchMouseButtonPressed(int button, int x, int y);
void dispatchMouseButtonReleased(int button, int x, int y);
