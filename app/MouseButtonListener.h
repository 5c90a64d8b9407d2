#pragma once
// MouseButtonListener: receives mouse button presses and releases (GLUT numbering: 0 left,
// 1 middle, 2 right) with the pointer where the button went, while it is listening. It
// listens from construction on; setListening switches that.

#include "app/Pointer.h"
#include "scene/Registered.h"

class MouseButtonListener : public Registered<MouseButtonListener> {
public:
    MouseButtonListener() : Registered(this) {}
    virtual ~MouseButtonListener() = default;

    virtual void mouseButtonPressed(int button, const Pointer& pointer) = 0;
    virtual void mouseButtonReleased(int button, const Pointer& pointer) = 0;
    void setListening(bool on) { setRegistered(on); }
};

void dispatchMouseButtonPressed(int button, const Pointer& pointer);
void dispatchMouseButtonReleased(int button, const Pointer& pointer);
