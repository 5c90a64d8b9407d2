#pragma once
// VirtualPad: a game pad that SDL attaches in the test process (SDL_JoystickAttachVirtualEx).
// It goes through SDL's mapping and event path as a real pad does, so the game's GamePads see
// it come, change and go; the rumble SDL asks of it is counted. Its values reach the game at
// the game's next pump. Needs SDL's game controller subsystem, which it starts (and stops)
// for itself; detached when it goes.
#include <SDL2/SDL_gamecontroller.h>
#include <SDL2/SDL_joystick.h>

class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // Sticks from -1 to 1, triggers from 0 to 1.
    void setAxis(SDL_GameControllerAxis axis, double value);
    void setButton(SDL_GameControllerButton button, bool down);
    void unplug();

    int rumbles = 0;
    Uint16 lastHigh = 0;  // the strong motor's last strength

private:
    static int rumble(void* pad, Uint16 low, Uint16 high);

    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};
