#pragma once
// PadTranslator: the rules that turn a game pad's state, frame by frame, into the input events
// the mouse and the keys give, so that the game's rules and its replays cannot tell a pad from
// them. It is told what the game shows (PadView) and answers with events:
//   in a game: the left stick moves the pointer (full deflection reaches half the window's
//   smaller side from its centre, as the pointer at that edge does; a radial dead zone of
//   15 %); the right trigger holds the left button (guns), the left trigger the middle button
//   (laser); south clicks the right button (a rocket), west clicks the middle button (select);
//   the right stick or the D-pad up and down hold the arrow keys up and down, the shoulders
//   left and right; Start presses ESC, Back presses P;
//   in the menus: the D-pad or the left stick moves the pointer onto the next entry (repeating
//   while held), south clicks the left button on it; Start and east leave the in-game menu;
//   the main menu has no way out by pad;
//   in help, credits and highscores east presses ESC and south turns the page (a space);
//   on the game-over message south, Start and east press ESC; in the name entry south and
//   Start press Return.
// The stick moves the pointer only when it moves (so the mouse steers whenever it moved last),
// and once more when a game resumes where the pad left the pointer on a menu entry. Held
// outputs are held only in a game; they are let go before any command that leaves it, so that
// no release lands in a menu.
// Depends on: InputEvent, PadState, GLUT's key numbers and SpaceManager's button numbers.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "app/InputEvent.h"
#include "app/PadState.h"

struct PadView {
    enum Mode { None, Game, GameOver, MainMenu, GameMenu, Screen, NameEntry };
    Mode mode = None;
    int width = 1;  // the window the input comes from
    int height = 1;
    int pointerX = 0;  // where the last pointer event left the pointer
    int pointerY = 0;
    std::vector<std::pair<double, double>> entries;  // menu entries' centres, fractions from the lower left
    int highlighted = -1;
};

class PadTranslator {
public:
    // The events for `pad` at `micros` (any clock, for the menu's repeat).
    std::vector<InputEvent> translate(const PadState& pad, const PadView& view, std::int64_t micros);
    // Lets go of everything held (the pad went, the window lost the focus) and forgets the pad.
    std::vector<InputEvent> release(const PadView& view);

    // The stick's deflection after the dead zone, each axis within [-1, 1].
    static std::pair<double, double> deflection(double x, double y);
    // The pixel the stick points at, from its deflection after the dead zone.
    static std::pair<int, int> stickPixel(std::pair<double, double> deflection, int width, int height);

    static constexpr double deadZone = 0.15;
    static constexpr double pressThreshold = 0.5;  // triggers and sticks used as buttons
    static constexpr std::int64_t repeatDelay = 400'000, repeatInterval = 120'000;  // microseconds

private:
    static constexpr int heldCount = 6;
    void hold(const std::array<bool, heldCount>& wanted, const PadView& view, std::vector<InputEvent>& out);
    void gameCommands(const PadState& pad, const PadView& view, std::vector<InputEvent>& out);
    void menuCommands(const PadState& pad, const PadView& view, std::int64_t micros, std::vector<InputEvent>& out);
    void steer(const PadView& view, std::vector<InputEvent>& out);
    bool went(const PadState& pad, PadButton button) const;

    PadState last_;
    std::array<bool, heldCount> held_{};
    std::pair<double, double> deflection_{0.0, 0.0};
    std::pair<double, double> lastDeflection_{0.0, 0.0};
    std::pair<int, int> lastSent_{-1, -1};
    PadView::Mode lastMode_ = PadView::None;
    int menuDirection_ = 0;
    std::int64_t nextStep_ = 0;
};
