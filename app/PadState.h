#pragma once
// PadState: what one game pad holds at a moment, by position on the pad rather than by label
// ("south" is the bottom face button on every pad), in plain numbers so that the rules that
// turn it into input can be tested without a pad. Sticks run from -1 to 1 (right and down
// positive), triggers from 0 (released) to 1. A state with no pad is all at rest.
// Depends on the standard library only.
#include <array>

enum class PadButton {
    South,
    East,
    West,
    North,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};
constexpr int padButtonCount = static_cast<int>(PadButton::DpadRight) + 1;

struct PadState {
    double leftX = 0.0;
    double leftY = 0.0;
    double rightY = 0.0;
    double leftTrigger = 0.0;
    double rightTrigger = 0.0;
    std::array<bool, padButtonCount> buttons{};

    bool held(PadButton button) const { return buttons[static_cast<int>(button)]; }
    void set(PadButton button, bool down) { buttons[static_cast<int>(button)] = down; }
    bool operator==(const PadState&) const = default;
};
