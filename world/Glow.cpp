#include "world/Glow.h"

#include <GL/gl.h>

void drawGlow(const Color& rim)
{
    static constexpr double octagon[][2] = {{0.414, 1},  {-0.414, 1}, {-1, 0.414}, {-1, -0.414}, {-0.414, -1},
                                            {0.414, -1}, {1, -0.414}, {1, 0.414},  {0.414, 1}};
    glBegin(GL_TRIANGLE_FAN);
    glVertex3d(0, 0, 0);
    rim.apply();
    for (const auto& corner : octagon) glVertex3d(corner[0], corner[1], 0);
    glEnd();
}
