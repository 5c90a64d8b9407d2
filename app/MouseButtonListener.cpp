#include "app/MouseButtonListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseButtonListener>& listeners() { return registryOf<MouseButtonListener>(); }
}  // namespace

void dispatchMouseButtonPressed(int button, int x, int y)
{
    listeners().forEach([=](MouseButtonListener* listener) { listener->mouseButtonPressed(button, x, y); });
}

void dispatchMouseButtonReleased(int button, int x, int y)
{
    listeners().forEach([=](MouseButtonListener* listener) { listener->mouseButtonReleased(button, x, y); });
}
