#pragma once
// Viewport: the GL viewport rectangle in window pixels, read from the current context.
// Without a context it reads as empty. Code that divides by the size uses `safeWidth` /
// `safeHeight`, which are never below one pixel.

struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    static Viewport current();

    int safeWidth() const { return width > 0 ? width : 1; }
    int safeHeight() const { return height > 0 ? height : 1; }
    double aspect() const { return static_cast<double>(safeWidth()) / safeHeight(); }
};
