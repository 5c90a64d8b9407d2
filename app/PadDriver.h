#pragma once
// PadDriver: a game pad at work in the game manager's frame. Before each frame it pumps the
// pads, tells the translator what the game shows and hands the events it makes to the game
// manager as the window hands its own (receive), so they are dispatched and recorded alike and
// a replay needs no pad. The pad is let go while the window does not have the focus; when the
// pad that drives goes, what it held is let go and a running game pauses (P). After a live
// frame it passes the world's hits to the pad as rumble.
// Depends on: GameManager (its state, menus, input window and last pointer), GamePads,
// PadTranslator, RumbleWatch, Platform (the focus).
#include <cstdint>
#include <memory>

#include "app/GamePads.h"
#include "app/PadTranslator.h"
#include "app/RumbleWatch.h"

class GameManager;
class Menu;

class PadDriver {
public:
    PadDriver(GameManager& game, std::unique_ptr<GamePads> pads);

    void beforeFrame(std::int64_t wallMicros);
    void afterFrame();
    bool isConnected() const { return pads_->isConnected(); }

    // Rumble: strengths of the low and high frequency motors and the length of a pulse.
    static constexpr double hitStrength = 1.0, breakStrength = 0.25;
    static constexpr int hitMillis = 250, breakMillis = 120;

private:
    PadView view() const;

    GameManager& game_;
    std::unique_ptr<GamePads> pads_;
    PadTranslator translator_;
    RumbleWatch rumble_;
};
