#include "app/MouseMoveListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseMoveListener>& listeners() { return registryOf<MouseMoveListener>(); }
int lastX = 0;
int lastY = 0;
}  // namespace

void MouseMoveListener::resendLastMousePosition() { mouseMoved(lastX, lastY); }

void dispatchMouseMoved(int x, int y)
{
    listeners().forEach([=](MouseMoveListener* listener) { listener->mouseMoved(x, y); });
    lastX = x;
    lastY = y;
}
