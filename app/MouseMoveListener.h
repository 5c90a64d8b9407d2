#pragma once
// MouseMoveListener: receives pointer motion (window pixels, origin top left) while it is
// listening. The last position dispatched is remembered, so a listener that appears under a
// resting pointer (a new menu) can ask for it with resendLastMousePosition.

#include "scene/Registered.h"

class MouseMoveListener : public Registered<MouseMoveListener> {
public:
    MouseMoveListener() : Registered(this) {}
    virtual ~MouseMoveListener() = default;

    virtual void mouseMoved(int x, int y) = 0;
    void setListening(bool on) { setRegistered(on); }
    // Calls this listener's mouseMoved with the last dispatched position ((0, 0) at first).
    void resendLastMousePosition();
};

// Tells every listener, then remembers (x, y) as the last position.
void dispatchMouseMoved(int x, int y);
