#pragma once
// Pointer: where the mouse is, as a pixel of the window the input came from, together with
// that window's size. The game reads it through what it means (the steering offset, the
// overlay position), which depends on nothing but these four numbers, so a replay shown in a
// window of another size still steers and chooses exactly as the recorded game did.
// A click in a game also names the rock that was under the pointer (its number, 0 for none):
// the window picks it when the button goes, and a replay reads it from its file.
// Depends on: scene/Viewport.
struct Pointer {
    int x = 0;  // pixels, origin top left
    int y = 0;
    int width = 1;  // the window the pixel belongs to
    int height = 1;
    int rock = 0;

    // A pixel of the current viewport, clamped to it.
    static Pointer inViewport(int x, int y);
    // A pixel of a window of width x height, clamped to it (an empty window counts as one pixel).
    static Pointer inWindow(int x, int y, int width, int height);

    // The offset from the window's centre in units of its smaller side; right and down positive.
    double steerX() const;
    double steerY() const;
    // The overlay position: fractions of the window, (0, 0) at its lower left.
    double fractionX() const;
    double fractionY() const;
};
