#pragma once
// MouseMoveListener: receives pointer motion while it is listening. The last position
// dispatched is remembered, so a listener that appears under a resting pointer (a new menu)
// can ask for it with resendLastMousePosition.

#include "app/Pointer.h"
#include "scene/Registered.h"

class MouseMoveListener : public Registered<MouseMoveListener> {
public:
    MouseMoveListener() : Registered(this) {}
    virtual ~MouseMoveListener() = default;

    virtual void mouseMoved(const Pointer& pointer) = 0;
    void setListening(bool on) { setRegistered(on); }
    // Calls this listener's mouseMoved with the last dispatched position (the top left corner
    // at first).
    void resendLastMousePosition();
};

// Tells every listener, then remembers the position as the last one.
void dispatchMouseMoved(const Pointer& pointer);
