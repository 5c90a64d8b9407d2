#pragma once
// Line: a straight band of a given width between two points (the laser beam), drawn unlit in
// its colour and always turned to face the viewer. Its points are in the line's own
// coordinates; the band is built in root coordinates around the active camera's position (the
// root's origin without a camera). A line whose ends coincide, or that points straight at the
// viewer, has no width on screen and shows nothing. The width is 0 (nothing shown) until set.
// Depends on SceneObject, Camera, Color.
#include "scene/Color.h"
#include "scene/SceneObject.h"

class Line : public virtual SceneObject {
public:
    // start, and the end `length` along `direction` (a zero direction puts the end at start).
    virtual void setRay(const Vector& start, const Vector& direction, double length);
    virtual void setPoints(const Vector& start, const Vector& end);
    virtual void setColor(const Color& color);
    virtual void setWidth(double width);
    // Keeps the start and the direction.
    virtual void setLength(double length);

    Vector getStart() const { return start_; }
    Vector getEnd() const { return end_; }

    void draw() override;

private:
    Color color_{0, 0, 0, 1};
    Vector start_;
    Vector end_;
    double width_ = 0.0;
};
