#pragma once
// HelpScreen: the two pages of help, keys on the left and what they do on the right.
// show() opens page 1, and each further show() turns to the other page; hide() closes it,
// so the next show() starts at page 1 again.
#include <memory>
#include <vector>

#include "overlay/ScreenTextField.h"

class HelpScreen {
public:
    void show();
    void hide();
    bool isShown() const { return page_ >= 0; }
    // 0 or 1 while shown, -1 while closed.
    int page() const { return page_; }
    const std::vector<std::unique_ptr<ScreenTextField>>& fields() const { return fields_; }

private:
    void buildPage();

    int page_ = -1;
    std::vector<std::unique_ptr<ScreenTextField>> fields_;
};
