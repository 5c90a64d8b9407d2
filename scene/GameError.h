#pragma once
// GameError: the one exception type of the game. Thrown by value with the message the
// player or maintainer should read; main() reports it. Depends on: the standard library only.
#include <stdexcept>
#include <string>

class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
