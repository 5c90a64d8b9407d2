#pragma once
// ColorCloudFactory: makes glows of one colour (an asteroid kind's sparks, explosion and
// dust). The glow is compiled once per factory made from a colour; clones share it. Needs a
// current GL context to be built. Depends on CloudFactory.
#include <memory>

#include "scene/Color.h"
#include "world/CloudFactory.h"

class ColorCloudFactory : public virtual CloudFactory {
public:
    // A cloud in one colour, whose alpha is its opacity.
    class ColorCloud : public virtual Cloud {
    public:
        ColorCloud(const Color& color, unsigned displayList) : color_(color), displayList_(displayList) {}

        void setAlpha(double alpha) override { color_ = Color(color_, alpha); }
        double getAlpha() override { return color_.alpha(); }
        void drawTransparentGeometry() override;

    private:
        Color color_;
        unsigned displayList_;
    };

    explicit ColorCloudFactory(const Color& color);

    // A factory with the same settings, colour and glow.
    virtual std::unique_ptr<ColorCloudFactory> clone() const;
    Cloud* createCloud() override;

    const Color& getColor() const { return color_; }
    unsigned getDisplayList() const { return displayList_; }

private:
    ColorCloudFactory(const Color& color, unsigned displayList) : color_(color), displayList_(displayList) {}

    Color color_;
    unsigned displayList_;
};
