#pragma once
// TwoSidedColorScreenBeam: a gauge made of two colour beams side by side (or one above the
// other) that show the same value, both growing outward from the middle or both inward from
// the outer ends. The halves are screen elements of their own, owned by this beam; showing,
// hiding and layering the beam does the same to them. The beam's own bar stays empty, so it
// never covers the halves. The halves are laid out as soon as the rectangle changes, so the
// gauge is right even if it is drawn before the next deferred update.
#include <memory>

#include "overlay/ColorScreenBeam.h"

class TwoSidedColorScreenBeam : public virtual ColorScreenBeam {
public:
    TwoSidedColorScreenBeam(double x, double y, double width, double height, bool horizontal, bool fromStart,
                            const Color& startColor, const Color& endColor, double value);

    void setStartColor(const Color& color) override;
    void setEndColor(const Color& color) override;
    void setValue(double value) override;
    Color getStartColor() const override;
    Color getEndColor() const override;
    double getValue() const override;
    void setPosition(double x, double y) override;
    void setSize(double width, double height) override;
    void setHorizontal(bool horizontal) override;
    // The first half gets `fromStart`, the second its opposite, so the two mirror each other.
    void setFromStart(bool fromStart) override;

    void show() override;
    void hide() override;
    void setLayer(int layer) override;

    ColorScreenBeam& firstHalf() { return *firstHalf_; }
    ColorScreenBeam& secondHalf() { return *secondHalf_; }

private:
    void layOutHalves();

    // Made before the beam's own setters run (they reach the halves).
    std::unique_ptr<ColorScreenBeam> firstHalf_ = std::make_unique<ColorScreenBeam>();
    std::unique_ptr<ColorScreenBeam> secondHalf_ = std::make_unique<ColorScreenBeam>();
};
