#pragma once
// Menu: a vertical list of text entries driven by the mouse. The entry under the pointer is
// highlighted (a little larger, in the highlight colour, with a blip); releasing the left
// button on it tells the listener the entry's key. Entries are centred and stacked with equal
// gaps, laid out when an entry is added. The menu owns its entries; deleting it removes them
// from the screen. The listener may delete the menu while it is being told.
#include <memory>
#include <string>
#include <vector>

#include "app/MenuEntry.h"
#include "app/MenuEventListener.h"
#include "app/MouseButtonListener.h"
#include "app/MouseMoveListener.h"
#include "scene/Color.h"

class Menu : public virtual MouseButtonListener, public virtual MouseMoveListener {
public:
    explicit Menu(MenuEventListener* listener);
    ~Menu() override;

    virtual void setColor(const Color& color);
    virtual void setColors(const Color& normal, const Color& highlighted);
    virtual MenuEntry* addEntry(const std::string& label, const std::string& key);
    virtual void show();
    virtual void hide();

    bool isActive() const { return active_; }
    MenuEntry* getHighlighted() const { return highlighted_; }
    const std::vector<std::unique_ptr<MenuEntry>>& getEntries() const { return entries_; }

    void mouseMoved(const Pointer& pointer) override;
    void mouseButtonPressed(int button, const Pointer& pointer) override;
    void mouseButtonReleased(int button, const Pointer& pointer) override;

    static constexpr double highlightGrowth = 1.02;

private:
    void layOut();
    void setListening(bool on);
    void unhighlight();
    static bool bandContains(const MenuEntry& entry, double y);
    static bool boxContains(const MenuEntry& entry, double x, double y);

    MenuEntry* highlighted_ = nullptr;
    std::vector<std::unique_ptr<MenuEntry>> entries_;
    bool active_ = false;
    MenuEventListener* listener_;
    Color normalColor_{1, 1, 1, 0.7};
    Color highlightColor_{1, 1, 1, 1};
};
