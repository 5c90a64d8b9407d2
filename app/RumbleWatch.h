#pragma once
// RumbleWatch: what a game pad should feel, found by comparing the world with how it was at the
// last look: a strong pulse when the ship's hull lost life (or the ship was lost), a weak one
// when a rock that was within `nearDistance` of the ship broke (left the registry, wrecked).
// It only reads the world, so the game goes the same way whether anyone feels it.
// Depends on: Space, SpaceShip, Asteroid. A new world (another game) starts afresh and feels
// nothing at its first look.
#include <vector>

class Space;

class RumbleWatch {
public:
    enum Pulse { None, Weak, Strong };

    // The pulse since the last look; null: no game.
    Pulse look(Space* world);

    static constexpr double nearDistance = 20.0;

private:
    Space* world_ = nullptr;
    double life_ = 0.0;
    std::vector<int> nearRocks_;
};
