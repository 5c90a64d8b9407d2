#pragma once
// GLContext: an off-screen OpenGL context for tests, on EGL's surfaceless platform (no X
// server needed). Rendering goes to a pbuffer whose back buffer can be read with
// glReadPixels. One context per process, made current by the gl_tests main.
#include <cstdint>
#include <vector>

namespace GLContext {

// Creates the context and a pbuffer of the given size, makes it current and sets the
// viewport to the whole pbuffer. Returns false with a message on standard error if EGL
// cannot give one.
bool create(int width, int height);
// Replaces the pbuffer by one of another size (the context and its objects stay).
void resize(int width, int height);
int width();
int height();
void destroy();

// The RGB bytes of the back buffer, bottom row first, as glReadPixels returns them.
std::vector<std::uint8_t> readPixels();
// The RGB colour of one pixel, x from the left, y from the bottom.
struct Rgb {
    int r, g, b;
};
Rgb pixel(int x, int y);
// Number of pixels whose colour differs from (r, g, b) by more than `tolerance` in any channel.
int countPixelsNot(int r, int g, int b, int tolerance = 8);
// Pixels whose `channel` (0 red, 1 green, 2 blue) passes `threshold`: how many lie in the box
// [x0, x1) x [y0, y1), and the inclusive bounds of all of them (left > right when none is).
int countLit(int x0, int y0, int x1, int y1, int channel, int threshold);
struct Box {
    int left = 1 << 30, right = -1, bottom = 1 << 30, top = -1;
};
Box litBox(int channel, int threshold);

}  // namespace GLContext
