#include "app/MouseButtonListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseButtonListener>& listeners() { return registryOf<MouseButtonListener>(); }
}  // namespace

void dispatchMouseButtonPressed(int button, const Pointer& pointer)
{
    listeners().forEach([&](MouseButtonListener* listener) { listener->mouseButtonPressed(button, pointer); });
}

void dispatchMouseButtonReleased(int button, const Pointer& pointer)
{
    listeners().forEach([&](MouseButtonListener* listener) { listener->mouseButtonReleased(button, pointer); });
}
