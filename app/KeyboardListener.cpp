#include "app/KeyboardListener.h"

#include "scene/Registry.h"

namespace {
Registry<KeyboardListener>& listeners() { return registryOf<KeyboardListener>(); }
}  // namespace

void dispatchKeyPressed(unsigned char key)
{
    listeners().forEach([key](KeyboardListener* listener) { listener->keyPressed(key); });
}

void dispatchKeyReleased(unsigned char key)
{
    listeners().forEach([key](KeyboardListener* listener) { listener->keyReleased(key); });
}

void dispatchSpecialKeyPressed(int key)
{
    listeners().forEach([key](KeyboardListener* listener) { listener->specialKeyPressed(key); });
}

void dispatchSpecialKeyReleased(int key)
{
    listeners().forEach([key](KeyboardListener* listener) { listener->specialKeyReleased(key); });
}
