#pragma once
// OffscreenGL: an OpenGL context without any window or X server, on EGL's surfaceless
// platform with Mesa's software rasteriser, rendering into a pbuffer that is read back.
// One context per process.
#include "tools/common/Image.h"

namespace assets {

class OffscreenGL {
public:
    // Returns false with a message on standard error when EGL cannot give a context.
    static bool create(int width, int height);
    static void resize(int width, int height);
    static void destroy();
    // The back buffer, top row first.
    static Image read();
};

}  // namespace assets
