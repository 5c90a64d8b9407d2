#include "tests/support/VirtualPad.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <stdexcept>

VirtualPad::VirtualPad()
{
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) throw std::runtime_error(SDL_GetError());
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.userdata = this;
    desc.Rumble = rumble;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (joystick_ == nullptr) throw std::runtime_error(SDL_GetError());
    id_ = SDL_JoystickInstanceID(joystick_);
}

VirtualPad::~VirtualPad()
{
    unplug();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void VirtualPad::setAxis(SDL_GameControllerAxis axis, double value)
{
    // The virtual triggers are whole axes that the mapping halves: -1 is at rest.
    const bool trigger = axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    if (trigger) value = value * 2.0 - 1.0;
    SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(std::clamp(value, -1.0, 1.0) * 32767.0));
}

void VirtualPad::setButton(SDL_GameControllerButton button, bool down)
{
    SDL_JoystickSetVirtualButton(joystick_, button, down);
}

void VirtualPad::unplug()
{
    if (joystick_ == nullptr) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
}

int VirtualPad::rumble(void* pad, Uint16, Uint16 high)
{
    auto* self = static_cast<VirtualPad*>(pad);
    ++self->rumbles;
    self->lastHigh = high;
    return 0;
}
