#pragma once
// AsteroidLifeBeam: a short bar above an asteroid showing its remaining life, filled from
// the left. A hit that asks to be shown makes it visible for two seconds of game time from
// the hit's frame (it shows from the next frame on); a further hit starts them again.
// The bar is two asteroid sizes wide when full and lies 1.08 to 1.2 sizes above the centre.
#include "overlay/AsteroidGuiElement.h"

class AsteroidLifeBeam : public virtual AsteroidGuiElement {
public:
    explicit AsteroidLifeBeam(double size);

    // The shown fraction, clamped to [0, 1] (NaN counts as 0); `show` asks for the two
    // seconds of visibility.
    virtual void setLife(double fraction, bool show);
    double getLife() const { return life_; }
    double getShowTime() const { return showTime_; }

    void calculate(TimeStep step) override;
    void drawElement() override;

    static constexpr double showDuration = 2.0;

private:
    double life_ = 1.0;
    bool showRequested_ = false;
    double showTime_ = 0.0;
};
