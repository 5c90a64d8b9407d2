#pragma once
// InputEvent: one piece of input as the window delivered it, in the form a replay stores it.
// Pointer positions are window pixels (origin top left) of the window size given by the last
// WindowSize event, so that the game derives steering and overlay positions from the window
// the input came from, whatever window a replay is later shown in. A button event in a game
// also carries the number of the rock that was under the pointer (0: none), so that a replay
// needs no picking. Depends on the standard library only.
#include <cstdint>

struct InputEvent {
    enum Kind : std::uint8_t {
        KeyDown,      // code: the character
        KeyUp,        // code: the character
        SpecialDown,  // code: GLUT's special-key number
        SpecialUp,
        ButtonDown,  // code: GLUT's button number; x, y; picked
        ButtonUp,
        PointerMove,  // x, y
        WindowSize,   // x, y: the window's new width and height
    };

    Kind kind = KeyDown;
    int code = 0;
    int x = 0;
    int y = 0;
    int picked = 0;

    bool operator==(const InputEvent&) const = default;
};
