#pragma once

// The codes of the keys the game reacts to by name: the keyboard's handlers read them and the
// game pad presses them, so both must agree.
namespace KeyCode {
constexpr unsigned char backspace = 8;
constexpr unsigned char lineFeed = 10;
constexpr unsigned char carriageReturn = 13;
constexpr unsigned char escape = 27;
constexpr unsigned char space = ' ';
constexpr unsigned char pause = 'p';
}  // namespace KeyCode
