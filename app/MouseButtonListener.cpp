#include "app/MouseButtonListener.h"

#include "scene/Registry.h"

namespace {
Registry<MouseButtonListener>& listeners() { return registryOf<MouseButtonListener>(); }
}  // namespace

MouseButtonListener::MouseButtonListener() { listeners().insert(this); }

MouseButtonListener::MouseButtonListener(const MouseButtonListener&) { listeners().insert(this); }

MouseButtonListener::~MouseButtonListener() { listeners().erase(this); }

void MouseButtonListener::setListening(bool on)
{
    if (on)
        listeners().insert(this);
    else
        listeners().erase(this);
}

void dispatchMouseButtonPressed(int button, int x, int y)
{
    listeners().forEach([=](MouseButtonListener* listener) { listener->mouseButtonPressed(button, x, y); });
}

void dispatchMouseButtonReleased(int button, int x, int y)
{
    listeners().forEach([=](MouseButtonListener* listener) { listener->mouseButtonReleased(button, x, y); });
}
