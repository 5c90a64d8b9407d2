#pragma once
// WhiteCloudFactory: makes white glows (the vapor trails of the ship and the rockets). All
// white clouds share one glow, compiled when the first factory is built, which needs a
// current GL context. Depends on CloudFactory.
#include "world/CloudFactory.h"

class WhiteCloudFactory : public virtual CloudFactory {
public:
    // A white cloud whose alpha is its opacity.
    class WhiteCloud : public virtual Cloud {
    public:
        void setAlpha(double alpha) override { alpha_ = alpha; }
        double getAlpha() override { return alpha_; }
        void drawTransparentGeometry() override;

    private:
        double alpha_ = 1.0;
    };

    WhiteCloudFactory();

    Cloud* createCloud() override { return new WhiteCloud; }

    // The shared glow; -1 until the first factory is built.
    static int displayList();
};
