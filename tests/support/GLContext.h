#pragma once
// GLContext: an off-screen OpenGL context for tests, on EGL's surfaceless platform (no X
// server needed). Rendering goes to a pbuffer whose back buffer can be read with
// glReadPixels. One context per process, made current by the gl_tests main.
namespace GLContext {

// Creates the context and a pbuffer of the given size, makes it current and sets the
// viewport to the whole pbuffer. Returns false with a message on standard error if EGL
// cannot give one.
bool create(int width, int height);
// Replaces the pbuffer by one of another size (the context and its objects stay).
void resize(int width, int height);
void destroy();

// The RGB colour of one pixel of the back buffer, x from the left, y from the bottom.
struct Rgb {
    int r, g, b;
};
Rgb pixel(int x, int y);
// Number of pixels that are not black: some channel above 8.
int countNonBlack();
// The pixels whose `channel` (0 red, 1 green, 2 blue) passes `threshold`: how many, and their
// inclusive bounds (left > right when there are none).
struct Box {
    int count = 0;
    int left = 1 << 30, right = -1, bottom = 1 << 30, top = -1;
};
Box litBox(int channel, int threshold);

}  // namespace GLContext
