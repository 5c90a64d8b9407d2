#include "scene/Line.h"

#include <GL/gl.h>

#include "scene/Camera.h"

void Line::setRay(const Vector& start, const Vector& direction, double length)
{
    start_ = start;
    end_ = start + Vector(direction, length);
}

void Line::setPoints(const Vector& start, const Vector& end)
{
    start_ = start;
    end_ = end;
}

void Line::setColor(const Color& color) { color_ = color; }

void Line::setWidth(double width) { width_ = width; }

void Line::setLength(double length) { setRay(start_, end_ - start_, length); }

void Line::draw()
{
    const Matrix absolute = getAbsoluteMatrix();
    const Vector a = absolute.apply(start_), b = absolute.apply(end_);
    Camera* camera = Camera::getActive();
    const Vector eye = camera != nullptr ? camera->getAbsolutePosition() : Vector();
    // Across the line and across the line of sight: the band faces the viewer.
    const Vector across((eye - a).cross(b - a), width_ / 2.0);
    if (!a.isFinite() || !b.isFinite() || !across.isFinite()) return;

    color_.apply();
    const bool lit = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glLoadIdentity();
    glBegin(GL_QUADS);
    (a + across).emitVertex();
    (a - across).emitVertex();
    (b - across).emitVertex();
    (b + across).emitVertex();
    glEnd();
    glPopMatrix();
    if (lit) glEnable(GL_LIGHTING);
}
