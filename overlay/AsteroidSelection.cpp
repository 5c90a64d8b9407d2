#include "overlay/AsteroidSelection.h"

#include <GL/gl.h>

AsteroidSelection::AsteroidSelection(double size) { setScale(size); }

void AsteroidSelection::drawElement()
{
    applyColor();
    constexpr double arm = 0.2;
    glBegin(GL_LINES);
    for (double x : {-1.0, 1.0}) {
        for (double y : {-1.0, 1.0}) {
            glVertex3d(x - x * arm, y, 0);
            glVertex3d(x, y, 0);
            glVertex3d(x, y, 0);
            glVertex3d(x, y - y * arm, 0);
        }
    }
    glEnd();
}
