#pragma once
// MessageBox: a message for the player drawn over everything but the pointer: its title and
// its text on a dark translucent panel across the middle of the screen, and below them how
// to go on. The text is broken into lines at its own line breaks and between words so that
// it fits the panel; a word too long for a line is broken where the line is full. The panel
// grows with the lines and does not scroll: a text of more lines than the screen holds runs
// off it. Hidden until shown. Depends on ScreenTextPoint and ColorScreenBeam; building one
// throws GameError when its font cannot be loaded.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "overlay/ColorScreenBeam.h"
#include "overlay/ScreenTextPoint.h"

class MessageBox {
public:
    MessageBox();

    // Shows `text` under `title`, in place of whatever the box showed; showing again what it
    // shows costs nothing.
    void show(const std::string& title, const std::string& text);
    void hide();
    bool isVisible() const { return panel_->isVisible(); }
    const ScreenTextPoint& title() const { return *title_; }
    const ScreenTextPoint& text() const { return *text_; }
    const ColorScreenBeam& panel() const { return *panel_; }

    using Measure = std::function<double(const std::string& line)>;
    // `text` in lines no wider than `width` as `measure` measures them.
    static std::vector<std::string> wrap(const std::string& text, double width, const Measure& measure);

private:
    void layOut();

    std::unique_ptr<ColorScreenBeam> panel_;
    std::unique_ptr<ScreenTextPoint> title_;
    std::unique_ptr<ScreenTextPoint> text_;
    std::unique_ptr<ScreenTextPoint> hint_;
    std::string shownTitle_;
    std::string shownText_;
};
