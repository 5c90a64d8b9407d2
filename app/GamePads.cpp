#include "app/GamePads.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <utility>

namespace {
constexpr double axisScale = 32767.0;
constexpr Sint16 useThreshold = 16384;  // a stick or trigger past half way counts as use

struct ButtonName {
    PadButton button;
    SDL_GameControllerButton sdl;
};
constexpr ButtonName buttonNames[] = {
    {PadButton::South, SDL_CONTROLLER_BUTTON_A},
    {PadButton::East, SDL_CONTROLLER_BUTTON_B},
    {PadButton::West, SDL_CONTROLLER_BUTTON_X},
    {PadButton::North, SDL_CONTROLLER_BUTTON_Y},
    {PadButton::Back, SDL_CONTROLLER_BUTTON_BACK},
    {PadButton::Start, SDL_CONTROLLER_BUTTON_START},
    {PadButton::LeftShoulder, SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {PadButton::RightShoulder, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {PadButton::DpadUp, SDL_CONTROLLER_BUTTON_DPAD_UP},
    {PadButton::DpadDown, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {PadButton::DpadLeft, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {PadButton::DpadRight, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

double axis(SDL_GameController* pad, SDL_GameControllerAxis which)
{
    return std::clamp(SDL_GameControllerGetAxis(pad, which) / axisScale, -1.0, 1.0);
}

Uint16 motor(double strength) { return static_cast<Uint16>(std::clamp(strength, 0.0, 1.0) * 65535.0); }
}  // namespace

std::unique_ptr<GamePads> GamePads::start(std::ostream& errors)
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        errors << "rubblestorm: no game pads (" << SDL_GetError() << ")\n";
        return nullptr;
    }
    // SDL announces the pads already there as arrivals, in the first pump.
    return std::unique_ptr<GamePads>(new GamePads);
}

GamePads::~GamePads()
{
    for (auto& [id, pad] : open_) SDL_GameControllerClose(pad);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GamePads::pump()
{
    SDL_Event event;
    SDL_PumpEvents();
    while (SDL_PollEvent(&event) == 1) {
        switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED:
                open(event.cdevice.which);
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                close(event.cdevice.which);
                break;
            case SDL_CONTROLLERBUTTONDOWN:
                if (open_.contains(event.cbutton.which)) driver_ = event.cbutton.which;
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (open_.contains(event.caxis.which) && std::abs(event.caxis.value) >= useThreshold)
                    driver_ = event.caxis.which;
                break;
            default:
                break;
        }
    }
}

void GamePads::open(int deviceIndex)
{
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    if (open_.contains(id)) {  // announced twice: SDL counts the opens
        SDL_GameControllerClose(pad);
        return;
    }
    open_[id] = pad;
    if (driver_ < 0) driver_ = id;
}

void GamePads::close(SDL_JoystickID id)
{
    const auto found = open_.find(id);
    if (found == open_.end()) return;
    SDL_GameControllerClose(found->second);
    open_.erase(found);
    if (id != driver_) return;
    driver_ = -1;
    driverLost_ = true;
}

PadState GamePads::driverState() const
{
    PadState state;
    const auto found = open_.find(driver_);
    if (found == open_.end()) return state;
    SDL_GameController* pad = found->second;
    state.leftX = axis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = axis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    state.rightY = axis(pad, SDL_CONTROLLER_AXIS_RIGHTY);
    state.leftTrigger = axis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    state.rightTrigger = axis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    for (const ButtonName& name : buttonNames) state.set(name.button, SDL_GameControllerGetButton(pad, name.sdl) != 0);
    return state;
}

bool GamePads::takeDriverLost() { return std::exchange(driverLost_, false); }

void GamePads::rumble(double low, double high, int milliseconds)
{
    const auto found = open_.find(driver_);
    if (found != open_.end()) SDL_GameControllerRumble(found->second, motor(low), motor(high), milliseconds);
}
