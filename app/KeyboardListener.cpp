#include "app/KeyboardListener.h"

#include "scene/Registry.h"

namespace {
Registry<KeyboardListener>& keyboardListeners() { return registryOf<KeyboardListener>(); }
}  // namespace

void dispatchKeyPressed(unsigned char key)
{
    keyboardListeners().forEach([key](KeyboardListener* listener) { listener->keyPressed(key); });
}

void dispatchKeyReleased(unsigned char key)
{
    keyboardListeners().forEach([key](KeyboardListener* listener) { listener->keyReleased(key); });
}

void dispatchSpecialKeyPressed(int key)
{
    keyboardListeners().forEach([key](KeyboardListener* listener) { listener->specialKeyPressed(key); });
}

void dispatchSpecialKeyReleased(int key)
{
    keyboardListeners().forEach([key](KeyboardListener* listener) { listener->specialKeyReleased(key); });
}
