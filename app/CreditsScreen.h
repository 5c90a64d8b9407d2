#pragma once
// CreditsScreen: the title and the credits scrolling upward through their field, with the
// people who made the game. The text elements exist only while the screen is shown.
#include <memory>
#include <string>

#include "overlay/ScreenTextField.h"
#include "overlay/ScreenTextGlider.h"

class CreditsScreen {
public:
    void show();
    void hide();
    bool isShown() const { return title_ != nullptr; }

    // The roles in order, each with the person credited for it.
    static std::string creditsText();

private:
    std::unique_ptr<ScreenTextField> title_;
    std::unique_ptr<ScreenTextGlider> text_;
};
