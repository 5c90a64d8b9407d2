#include "overlay/ColorScreenBeam.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {
double clampedFill(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0); }
}  // namespace

ColorScreenBeam::ColorScreenBeam() = default;

ColorScreenBeam::ColorScreenBeam(double x, double y, double width, double height, bool horizontal, bool fromStart,
                                 const Color& startColor, const Color& endColor, double value)
    : startColor_(startColor), endColor_(endColor), value_(clampedFill(value))
{
    ScreenBeam::setPosition(x, y);
    ScreenBeam::setSize(width, height);
    ScreenBeam::setHorizontal(horizontal);
    ScreenBeam::setFromStart(fromStart);
}

void ColorScreenBeam::setColor(const Color& color)
{
    setStartColor(color);
    setEndColor(color);
}

void ColorScreenBeam::setStartColor(const Color& color)
{
    startColor_ = color;
    layoutValid_ = false;
}

void ColorScreenBeam::setEndColor(const Color& color)
{
    endColor_ = color;
    layoutValid_ = false;
}

void ColorScreenBeam::setValue(double value)
{
    value_ = clampedFill(value);
    layoutValid_ = false;
}

Color ColorScreenBeam::getStartColor() const { return startColor_; }

Color ColorScreenBeam::getEndColor() const { return endColor_; }

double ColorScreenBeam::getValue() const { return value_; }

void ColorScreenBeam::setPosition(double x, double y)
{
    ScreenBeam::setPosition(x, y);
    layoutValid_ = false;
}

void ColorScreenBeam::setSize(double width, double height)
{
    ScreenBeam::setSize(width, height);
    layoutValid_ = false;
}

void ColorScreenBeam::setHorizontal(bool horizontal)
{
    ScreenBeam::setHorizontal(horizontal);
    layoutValid_ = false;
}

void ColorScreenBeam::setFromStart(bool fromStart)
{
    ScreenBeam::setFromStart(fromStart);
    layoutValid_ = false;
}

const ColorScreenBeam::Quad& ColorScreenBeam::quad()
{
    if (!layoutValid_) updateQuad();
    return quad_;
}

void ColorScreenBeam::updateQuad()
{
    Quad q;
    q.left = getX();
    q.right = getX() + getWidth();
    q.bottom = getY();
    q.top = getY() + getHeight();
    const double missing = 1.0 - value_;
    const Color edge(startColor_, endColor_, value_);
    // The fixed end keeps startColor; the moving end is pulled in by the missing part.
    if (isHorizontal()) {
        if (isFromStart()) {
            q.right -= missing * getWidth();
            q.corners = {startColor_, edge, edge, startColor_};
        } else {
            q.left += missing * getWidth();
            q.corners = {edge, startColor_, startColor_, edge};
        }
    } else {
        if (isFromStart()) {
            q.top -= missing * getHeight();
            q.corners = {startColor_, startColor_, edge, edge};
        } else {
            q.bottom += missing * getHeight();
            q.corners = {edge, edge, startColor_, startColor_};
        }
    }
    quad_ = q;
    layoutValid_ = true;
}

void ColorScreenBeam::calculateLater(TimeStep) { quad(); }

void ColorScreenBeam::draw()
{
    const Quad& q = quad();
    if (!std::isfinite(q.left) || !std::isfinite(q.right) || !std::isfinite(q.bottom) || !std::isfinite(q.top)) return;
    const double xs[4] = {q.left, q.right, q.right, q.left};
    const double ys[4] = {q.bottom, q.bottom, q.top, q.top};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        q.corners[i].apply();
        glVertex3d(xs[i], ys[i], 0.0);
    }
    glEnd();
}
