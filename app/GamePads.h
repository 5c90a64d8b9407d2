#pragma once
// GamePads: the game pads as SDL's game controller API sees them (its mapping database knows
// the layout of hundreds of pads). It starts only SDL's game controller subsystem, without a
// window or video (GLUT keeps the window) and without SDL's signal handlers (Ctrl+C and kill end
// the game as before), with the buttons named by position, not by label. pump() handles SDL's
// events once a frame: pads connected at any time open at once, pads that go are closed, and
// the pad used last (a button, or a stick or trigger past half way) drives; the others are
// ignored. The first pad to come drives until another is used.
// Depends on SDL 2 and PadState. Cannot tell a pad without rumble from one whose rumble
// failed: both stay still.
#include <SDL2/SDL_gamecontroller.h>

#include <iosfwd>
#include <map>
#include <memory>

#include "app/PadState.h"

class GamePads {
public:
    // The subsystem started, or null with one line on `errors` when SDL cannot start it.
    static std::unique_ptr<GamePads> start(std::ostream& errors);
    ~GamePads();
    GamePads(const GamePads&) = delete;
    GamePads& operator=(const GamePads&) = delete;

    void pump();
    bool isConnected() const { return !open_.empty(); }
    // The driving pad's state; all at rest without one.
    PadState driverState() const;
    // Whether the driving pad went since the last call.
    bool takeDriverLost();
    // A pulse on the driving pad: strength 0 to 1 for the low and the high frequency motor.
    void rumble(double low, double high, int milliseconds);

private:
    GamePads() = default;
    void open(int deviceIndex);
    void close(SDL_JoystickID id);

    std::map<SDL_JoystickID, SDL_GameController*> open_;
    SDL_JoystickID driver_ = -1;
    bool driverLost_ = false;
};
