#pragma once
// HelpScreen: the two pages of help, keys on the left and what they do on the right.
// show() opens page 1, and each further show() turns to the other page; hide() closes it,
// so the next show() starts at page 1 again. While a game pad is connected (setPadColumn),
// page 1 shows the pad's bindings in a third column between the keys and their actions.
#include <memory>
#include <vector>

#include "overlay/ScreenTextField.h"

class HelpScreen {
public:
    void show();
    void hide();
    // Rebuilds the page shown when the column comes or goes.
    void setPadColumn(bool shown);
    bool isShown() const { return page_ >= 0; }
    // 0 or 1 while shown, -1 while closed.
    int page() const { return page_; }
    const std::vector<std::unique_ptr<ScreenTextField>>& fields() const { return fields_; }

private:
    void buildPage();

    int page_ = -1;
    bool padColumn_ = false;
    std::vector<std::unique_ptr<ScreenTextField>> fields_;
};
