#include "overlay/ScreenTextGlider.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "scene/Viewport.h"

ScreenTextGlider::ScreenTextGlider(const std::string& fontName, double left, double bottom, double width, double height,
                                   const std::string& text)
    : ScreenTextPoint(fontName, text),
      ScreenTextField(fontName, left, bottom, width, height, text),
      CalculateAlways(true),
      glidePosition_(-height)
{
}

void ScreenTextGlider::calculateAlways(TimeStep step)
{
    if (!std::isfinite(step.delta)) return;
    glidePosition_ += glideSpeed * step.delta;
    const double limit = getGlideLimit();
    const double period = limit + getFieldHeight();
    if (!(period > 0.0)) {
        // Nothing to scroll: keep the text waiting below the field.
        glidePosition_ = -getFieldHeight();
        return;
    }
    // One period back per wrap; a long frame (a stalled window) may need several at once.
    if (glidePosition_ > limit) glidePosition_ -= period * std::ceil((glidePosition_ - limit) / period);
}

void ScreenTextGlider::draw()
{
    const Viewport viewport = Viewport::current();
    const auto pixels = [](double fraction, int extent) {
        const double value = fraction * extent;
        return std::isfinite(value) ? static_cast<GLint>(std::clamp(value, -1e9, 1e9)) : 0;
    };
    glEnable(GL_SCISSOR_TEST);
    glScissor(
        viewport.x + pixels(getFieldLeft(), viewport.width), viewport.y + pixels(getFieldBottom(), viewport.height),
        std::max(0, pixels(getFieldWidth(), viewport.width)), std::max(0, pixels(getFieldHeight(), viewport.height)));
    const double bottom = getFieldBottom();
    setFieldBottom(bottom + glidePosition_);
    ScreenTextPoint::draw();
    setFieldBottom(bottom);
    glDisable(GL_SCISSOR_TEST);
}
