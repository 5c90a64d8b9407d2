#include "app/HelpScreen.h"

#include <string>

#include "app/PageField.h"

namespace {
struct HelpPage {
    const char* keys;
    const char* actions;
    const char* pad;  // null: the page has no pad column
};

// The columns line up line by line: the empty key line stands beside the second line of the
// middle button's action.
const HelpPage pages[2] = {
    {"UP / W\nDOWN / S\nLEFT / A\nRIGHT / D\nleft mouse button\nright mouse button\nmiddle mouse button\n\n"
     "mouse up\nmouse down\nmouse left\nmouse right",
     "accelerate\ndecelerate\nstrafe left\nstrafe right\nfire projectiles\nfire homing rockets\nfire laser /\n"
     "select asteroid\nsteer up\nsteer down\nsteer left\nsteer right",
     "R stick / D-pad up\nR stick / D-pad down\nleft shoulder\nright shoulder\nright trigger\n"
     "south button (A)\nleft trigger\nwest button (X)\nleft stick up\nleft stick down\nleft stick left\n"
     "left stick right"},
    {"ESC\nP\nH\nF1\nF2\nF3\n+\n-",
     "show menu\npause/resume\nshow help\nbackground music 1\nbackground music 2\nbackground music 3\n"
     "background music louder\nbackground music softer\n",
     nullptr},
};

}  // namespace

void HelpScreen::show()
{
    fields_.clear();
    page_ = page_ == 0 ? 1 : 0;
    buildPage();
}

void HelpScreen::hide()
{
    if (page_ < 0) return;
    page_ = -1;
    fields_.clear();
}

void HelpScreen::setPadColumn(bool shown)
{
    if (shown == padColumn_) return;
    padColumn_ = shown;
    if (page_ < 0) return;
    fields_.clear();
    buildPage();
}

void HelpScreen::buildPage()
{
    const HelpPage& page = pages[page_];
    fields_.push_back(pageField(0.35, 0.8, 1.0, 0.2, 0.1, ScreenTextPoint::Left, "Help/" + std::to_string(page_ + 1)));
    fields_.push_back(pageField(0.0, 0.75, 1.0, 0.03, 0.03, ScreenTextPoint::Center,
                            "Press any button for more help - Press ESC to exit"));
    if (padColumn_ && page.pad != nullptr) {
        // Three columns of the longest lines fit across the window only in smaller type.
        fields_.push_back(pageField(0.04, 0.125, 0.3, 0.55, 0.03, ScreenTextPoint::TopLeft, page.keys));
        fields_.push_back(pageField(0.68, 0.125, 0.3, 0.55, 0.03, ScreenTextPoint::TopLeft, page.actions));
        fields_.push_back(pageField(0.36, 0.125, 0.3, 0.55, 0.03, ScreenTextPoint::TopLeft, page.pad));
        return;
    }
    fields_.push_back(pageField(0.1, 0.125, 0.35, 0.55, 0.04, ScreenTextPoint::TopLeft, page.keys));
    fields_.push_back(pageField(0.55, 0.125, 0.35, 0.55, 0.04, ScreenTextPoint::TopLeft, page.actions));
}
