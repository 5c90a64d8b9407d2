#pragma once
// KeyboardListener: receives every key and special-key press and release while it lives.
// The dispatchers call every registered listener; a listener deleted during a dispatch is not
// called afterwards, one created during it waits for the next event.

#include "scene/Registered.h"

class KeyboardListener : public Registered<KeyboardListener> {
public:
    KeyboardListener() : Registered(this) {}
    virtual ~KeyboardListener() = default;

    virtual void keyPressed(unsigned char key) = 0;
    virtual void keyReleased(unsigned char key) = 0;
    virtual void specialKeyPressed(int key) = 0;
    virtual void specialKeyReleased(int key) = 0;
};

void dispatchKeyPressed(unsigned char key);
void dispatchKeyReleased(unsigned char key);
void dispatchSpecialKeyPressed(int key);
void dispatchSpecialKeyReleased(int key);
