#include "app/MouseButtonListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseButtonListener>& mouseButtonListeners() { return registryOf<MouseButtonListener>(); }
}  // namespace

void dispatchMouseButtonPressed(int button, const Pointer& pointer)
{
    mouseButtonListeners().forEach([&](MouseButtonListener* listener) { listener->mouseButtonPressed(button, pointer); });
}

void dispatchMouseButtonReleased(int button, const Pointer& pointer)
{
    mouseButtonListeners().forEach([&](MouseButtonListener* listener) { listener->mouseButtonReleased(button, pointer); });
}
