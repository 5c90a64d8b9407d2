#include "app/MouseMoveListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseMoveListener>& mouseMoveListeners() { return registryOf<MouseMoveListener>(); }
Pointer last;
}  // namespace

void MouseMoveListener::resendLastMousePosition() { mouseMoved(last); }

void dispatchMouseMoved(const Pointer& pointer)
{
    mouseMoveListeners().forEach([&](MouseMoveListener* listener) { listener->mouseMoved(pointer); });
    last = pointer;
}
