#include "scene/Viewport.h"

#include <GL/gl.h>

Viewport Viewport::current()
{
    GLint rectangle[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, rectangle);
    return {rectangle[0], rectangle[1], rectangle[2], rectangle[3]};
}
