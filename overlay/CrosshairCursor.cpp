#include "overlay/CrosshairCursor.h"

#include <GL/gl.h>

CrosshairCursor::CrosshairCursor(int size, const Color& color) : Cursor(size, color) {}

void CrosshairCursor::drawShape(int size)
{
    // A line covers the pixel it starts in but not the one it ends in, so each arm starts
    // next to the centre and ends one pixel beyond its length.
    const double end = size + 1.0;
    glBegin(GL_LINES);
    glVertex2d(1, 0);
    glVertex2d(end, 0);
    glVertex2d(-1, 0);
    glVertex2d(-end, 0);
    glVertex2d(0, 1);
    glVertex2d(0, end);
    glVertex2d(0, -1);
    glVertex2d(0, -end);
    glEnd();
}
