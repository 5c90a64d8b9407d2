#pragma once
// ScreenTextGlider: text that rises through its rectangle at 0.1 overlay units per second
// of real time (the scrolling credits) and is visible only inside the rectangle. It enters
// from below; once its field has risen by the text's height it starts again one field
// height lower, so the text scrolls in a loop. It moves whatever the game state, as an
// always-calculated object, also while hidden. The text's field is shifted from the
// rectangle by the glide position, so a rectangle anywhere on the screen scrolls alike.
#include "overlay/ScreenTextField.h"
#include "scene/CalculateAlways.h"

class ScreenTextGlider : public virtual ScreenTextField, public virtual CalculateAlways {
public:
    ScreenTextGlider(const std::string& fontName, double left, double bottom, double width, double height,
                     const std::string& text);

    // How far the text's field is shifted from the field while it is drawn; starts at
    // -fieldHeight, so the text enters from below the field.
    double getGlidePosition() const { return glidePosition_; }
    // The rise after which the text starts again: the current text height.
    double getGlideLimit() const { return getHeight(); }

    void calculateAlways(TimeStep step) override;
    void draw() override;

    // Overlay units per second.
    static constexpr double glideSpeed = 0.1;

private:
    double glidePosition_;
};
