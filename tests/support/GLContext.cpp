#include "tests/support/GLContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
EGLDisplay display = EGL_NO_DISPLAY;
EGLConfig config = nullptr;
EGLContext context = EGL_NO_CONTEXT;
EGLSurface surface = EGL_NO_SURFACE;
int currentWidth = 0, currentHeight = 0;

EGLDisplay openSurfacelessDisplay()
{
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

bool makePbuffer(int width, int height)
{
    const EGLint attributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    EGLSurface fresh = eglCreatePbufferSurface(display, config, attributes);
    if (fresh == EGL_NO_SURFACE || !eglMakeCurrent(display, fresh, fresh, context)) return false;
    if (surface != EGL_NO_SURFACE) eglDestroySurface(display, surface);
    surface = fresh;
    currentWidth = width;
    currentHeight = height;
    glViewport(0, 0, width, height);
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
    return true;
}

// The RGB bytes of the back buffer, bottom row first.
std::vector<std::uint8_t> readPixels()
{
    std::vector<std::uint8_t> pixels(static_cast<size_t>(currentWidth) * currentHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, currentWidth, currentHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
}  // namespace

namespace GLContext {

bool create(int width, int height)
{
    // Mesa's software rasteriser gives the same pixels on every machine.
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    display = openSurfacelessDisplay();
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        std::fprintf(stderr, "GLContext: no EGL surfaceless display\n");
        return false;
    }
    const EGLint configAttributes[] = {
        EGL_SURFACE_TYPE,    EGL_PBUFFER_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_DEPTH_SIZE, 24,
        EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,  EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count == 0 || !eglBindAPI(EGL_OPENGL_API)) {
        std::fprintf(stderr, "GLContext: no EGL config for desktop OpenGL\n");
        return false;
    }
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT || !makePbuffer(width, height)) {
        std::fprintf(stderr, "GLContext: cannot create the context\n");
        return false;
    }
    return true;
}

void resize(int width, int height)
{
    if (!makePbuffer(width, height)) std::fprintf(stderr, "GLContext: cannot resize to %dx%d\n", width, height);
}

void destroy()
{
    if (display == EGL_NO_DISPLAY) return;
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (surface != EGL_NO_SURFACE) eglDestroySurface(display, surface);
    if (context != EGL_NO_CONTEXT) eglDestroyContext(display, context);
    eglTerminate(display);
    display = EGL_NO_DISPLAY;
    surface = EGL_NO_SURFACE;
    context = EGL_NO_CONTEXT;
}

Rgb pixel(int x, int y)
{
    std::uint8_t rgb[3] = {0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

int countNonBlack()
{
    const std::vector<std::uint8_t> pixels = readPixels();
    int count = 0;
    for (size_t i = 0; i + 2 < pixels.size(); i += 3) count += std::max({pixels[i], pixels[i + 1], pixels[i + 2]}) > 8;
    return count;
}

Box litBox(int channel, int threshold)
{
    const std::vector<std::uint8_t> pixels = readPixels();
    Box box;
    for (int y = 0; y < currentHeight; ++y)
        for (int x = 0; x < currentWidth; ++x)
            if (pixels[(static_cast<std::size_t>(y) * currentWidth + x) * 3 + channel] > threshold)
                box = {box.count + 1, std::min(box.left, x), std::max(box.right, x), std::min(box.bottom, y),
                       std::max(box.top, y)};
    return box;
}

}  // namespace GLContext
