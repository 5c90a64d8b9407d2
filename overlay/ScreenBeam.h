#pragma once
// ScreenBeam: a bar on the screen that shows a fill fraction (the ship's gauges). It holds
// the bar's rectangle in overlay units and which way it fills: along x or y, growing from
// its start (left or bottom) or towards it. Subclasses decide how the bar looks.
// Sizes are never negative (a negative or non-finite size becomes 0).
#include "overlay/ScreenElement.h"

class ScreenBeam : public virtual ScreenElement {
public:
    virtual void setPosition(double x, double y);
    virtual void setSize(double width, double height);
    virtual void setHorizontal(bool horizontal);
    virtual void setFromStart(bool fromStart);

    double getX() const { return x_; }
    double getY() const { return y_; }
    double getWidth() const { return width_; }
    double getHeight() const { return height_; }
    bool isHorizontal() const { return horizontal_; }
    bool isFromStart() const { return fromStart_; }

private:
    double x_ = 0.0;
    double y_ = 0.0;
    double width_ = 0.0;
    double height_ = 0.0;
    bool horizontal_ = true;
    bool fromStart_ = true;
};
