#pragma once
// Concrete objects for GL tests: flat squares in one colour, as plain, selectable and
// transparent flat (billboard) scene objects. Each square lies in its local x-y plane, faces +z
// and spans -halfSize..halfSize.
#include <GL/gl.h>

#include "scene/DynamicSceneObject.h"
#include "scene/SelectableSceneObject.h"
#include "scene/TransparentFlatSceneObject.h"

inline void drawSquare(double halfSize)
{
    glBegin(GL_QUADS);
    glNormal3d(0, 0, 1);
    glVertex3d(-halfSize, -halfSize, 0);
    glVertex3d(halfSize, -halfSize, 0);
    glVertex3d(halfSize, halfSize, 0);
    glVertex3d(-halfSize, halfSize, 0);
    glEnd();
}

// An unlit square in its colour, drawn in the solid pass.
class ColouredSquare : public virtual DynamicSceneObject {
public:
    ColouredSquare(double r, double g, double b, double halfSize = 1.0) : r_(r), g_(g), b_(b), halfSize_(halfSize) {}
    void draw() override
    {
        DynamicSceneObject::draw();
        const bool lit = glIsEnabled(GL_LIGHTING);
        glDisable(GL_LIGHTING);
        glColor4d(r_, g_, b_, 1.0);
        drawSquare(halfSize_);
        if (lit) glEnable(GL_LIGHTING);
    }

protected:
    double r_, g_, b_, halfSize_;
};

class SelectableSquare : public ColouredSquare, public SelectableSceneObject {
public:
    using ColouredSquare::ColouredSquare;
    void draw() override { ColouredSquare::draw(); }
    void drawSolidGeometry() override { drawSquare(halfSize_); }
};

// A billboard of side 1, in the transparent pass while transparent, else in the solid one.
class GlassBillboard : public TransparentFlatSceneObject {
public:
    GlassBillboard(double r, double g, double b, double a) : r_(r), g_(g), b_(b), a_(a) {}
    void drawTransparentGeometry() override
    {
        glColor4d(r_, g_, b_, a_);
        drawSquare(0.5);
    }

private:
    double r_, g_, b_, a_;
};
