#include "tools/show/OffscreenGL.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace assets {

namespace {
EGLDisplay display = EGL_NO_DISPLAY;
EGLConfig config = nullptr;
EGLContext context = EGL_NO_CONTEXT;
EGLSurface surface = EGL_NO_SURFACE;
int currentWidth = 0, currentHeight = 0;

bool makeSurface(int width, int height)
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
}  // namespace

bool OffscreenGL::create(int width, int height)
{
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay != nullptr)
        display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        std::fprintf(stderr, "no EGL surfaceless display\n");
        return false;
    }
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8,
                                       EGL_BLUE_SIZE, 8, EGL_DEPTH_SIZE, 24, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count == 0 || !eglBindAPI(EGL_OPENGL_API)) {
        std::fprintf(stderr, "no EGL config for desktop OpenGL\n");
        return false;
    }
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT || !makeSurface(width, height)) {
        std::fprintf(stderr, "cannot create an OpenGL context\n");
        return false;
    }
    return true;
}

void OffscreenGL::resize(int width, int height)
{
    if (width == currentWidth && height == currentHeight) return;
    if (!makeSurface(width, height)) std::fprintf(stderr, "cannot resize the pbuffer to %dx%d\n", width, height);
}

void OffscreenGL::destroy()
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

Image OffscreenGL::read()
{
    std::vector<unsigned char> pixels(static_cast<size_t>(currentWidth) * currentHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, currentWidth, currentHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    Image image(currentWidth, currentHeight);
    for (int y = 0; y < currentHeight; ++y) {
        for (int x = 0; x < currentWidth; ++x) {
            const unsigned char* p = &pixels[(static_cast<size_t>(currentHeight - 1 - y) * currentWidth + x) * 3];
            image.at(x, y) = Rgb{p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f};
        }
    }
    return image;
}

}  // namespace assets
