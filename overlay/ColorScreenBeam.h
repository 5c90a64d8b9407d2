#pragma once
// ColorScreenBeam: a bar drawn as one quad with a colour gradient: startColor at its fixed
// end, and at its moving end the colour that lies `value` of the way towards endColor, so a
// full bar runs from startColor to endColor. The fill value is kept in [0, 1] (NaN counts as
// empty). The quad is recomputed only after a change, in the deferred update or at the
// latest when it is drawn. A bar whose rectangle is not finite draws nothing.
#include <array>

#include "overlay/ScreenBeam.h"
#include "scene/CalculateLater.h"
#include "scene/Color.h"

class ColorScreenBeam : public virtual ScreenBeam, public virtual CalculateLater {
public:
    // The drawn quad; corners in drawing order: (left, bottom), (right, bottom),
    // (right, top), (left, top).
    struct Quad {
        double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;
        std::array<Color, 4> corners;
    };

    // An empty bar of size 0 with both colours opaque black.
    ColorScreenBeam();
    ColorScreenBeam(double x, double y, double width, double height, bool horizontal, bool fromStart,
                    const Color& startColor, const Color& endColor, double value);

    // Both colours at once.
    virtual void setColor(const Color& color);
    virtual void setStartColor(const Color& color);
    virtual void setEndColor(const Color& color);
    virtual void setValue(double value);
    virtual Color getStartColor() const;
    virtual Color getEndColor() const;
    virtual double getValue() const;

    void setPosition(double x, double y) override;
    void setSize(double width, double height) override;
    void setHorizontal(bool horizontal) override;
    void setFromStart(bool fromStart) override;

    // The quad as it will be drawn, recomputed first if anything changed.
    const Quad& quad();

    void draw() override;
    void calculateLater(TimeStep step) override;

private:
    void updateQuad();

    Color startColor_;
    Color endColor_;
    double value_ = 0.0;
    bool layoutValid_ = false;
    Quad quad_;
};
