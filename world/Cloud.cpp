#include "world/Cloud.h"

#include <GL/gl.h>

#include <algorithm>

void Cloud::calculate(TimeStep step)
{
    // The self-destroying part counts down in the deferred pass, after this update.
    const double remaining = getLifetime();
    DynamicSceneObject::calculate(step);
    if (remaining <= 0.0) {
        destroy();
        return;
    }
    setAlpha(std::max(0.0, getAlpha() * (1.0 - step.delta / remaining)));
}

unsigned Cloud::compileGlow(const Color& rim)
{
    static constexpr double octagon[][2] = {{0.414, 1},   {-0.414, 1}, {-1, 0.414}, {-1, -0.414}, {-0.414, -1},
                                            {0.414, -1}, {1, -0.414}, {1, 0.414},  {0.414, 1}};
    const unsigned list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glDepthMask(GL_FALSE);
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(0, 0, 0);
    rim.apply();
    for (const auto& corner : octagon) glVertex3d(corner[0], corner[1], 0);
    glEnd();
    glDepthMask(GL_TRUE);
    glEndList();
    return list;
}
