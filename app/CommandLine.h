#pragma once
// CommandLine: what the player asked for when starting the game. "-d" lets F5 switch between
// full screen and a window; "--play FILE" plays a recorded game, "--fast" plays it as fast as
// frames can be drawn and prints its summary; "--seed N" starts every game from seed N (tests);
// "-h"/"--help" and "--version" ask for a text only, before any window or sound starts.
// GLUT's own options pass; anything else is kept as unknown, for a warning, and the game
// starts all the same.
// Depends on the standard library only.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool windowToggle = false;
    std::string replay;
    bool fast = false;
    std::optional<std::uint32_t> seed;
    bool help = false;
    bool version = false;
    std::vector<std::string> unknown;

    static CommandLine parse(int argc, char** argv);
};
