#pragma once
// ScreenElement: anything drawn flat over the 3D scene (text, bars, counters, cursors).
// Elements draw in overlay coordinates: x from 0 (left) to 1 (right) of the viewport, y from
// 0 (bottom) to 1 (top). An element is shown from its construction until hide() or its
// deletion; shown elements are drawn once per frame by drawScreenElements, lower layers
// first. The shown set does not own its elements.
#include "scene/Registry.h"

class ScreenElement {
public:
    ScreenElement();
    ScreenElement(const ScreenElement&) = delete;
    ScreenElement& operator=(const ScreenElement&) = delete;
    virtual ~ScreenElement();

    virtual void show();
    virtual void hide();
    virtual bool isVisible() const;
    virtual void draw() = 0;
    virtual void setLayer(int layer);
    int getLayer() const { return layer_; }

    static const Registry<ScreenElement>& shownElements();

private:
    bool visible_ = false;
    int layer_ = 0;
};

// The overlay pass: every shown element by layer, over a cleared depth buffer, unlit and
// blended, in overlay coordinates.
void drawScreenElements();
