#include "app/MouseMoveListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseMoveListener>& listeners() { return registryOf<MouseMoveListener>(); }
int lastX = 0;
int lastY = 0;
}  // namespace

MouseMoveListener::MouseMoveListener() { listeners().insert(this); }

MouseMoveListener::MouseMoveListener(const MouseMoveListener&) { listeners().insert(this); }

MouseMoveListener::~MouseMoveListener() { listeners().erase(this); }

void MouseMoveListener::setListening(bool on)
{
    if (on)
        listeners().insert(this);
    else
        listeners().erase(this);
}

void MouseMoveListener::resendLastMousePosition() { mouseMoved(lastX, lastY); }

void dispatchMouseMoved(int x, int y)
{
    listeners().forEach([=](MouseMoveListener* listener) { listener->mouseMoved(x, y); });
    lastX = x;
    lastY = y;
}
