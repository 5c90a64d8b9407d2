#include "app/Menu.h"

#include <GL/freeglut_std.h>

#include <cmath>

#include "scene/Viewport.h"
#include "sound/GameSounds.h"

namespace {
constexpr double centreX = 0.5;
}  // namespace

Menu::Menu(MenuEventListener* listener) : listener_(listener)
{
    // Listening starts with show(), not with construction.
    setListening(false);
    show();
}

Menu::~Menu()
{
    highlighted_ = nullptr;
    entries_.clear();
}

void Menu::setColor(const Color& color) { setColors(color, color); }

void Menu::setColors(const Color& normal, const Color& highlighted)
{
    normalColor_ = normal;
    highlightColor_ = highlighted;
    for (auto& entry : entries_) entry->setColor(normal);
    if (highlighted_ != nullptr) highlighted_->setColor(highlighted);
}

MenuEntry* Menu::addEntry(const std::string& label, const std::string& key)
{
    entries_.push_back(std::make_unique<MenuEntry>("arial", label, key, 0.0, 0.0));
    MenuEntry* entry = entries_.back().get();
    entry->setColor(normalColor_);
    layOut();
    if (active_)
        entry->show();
    else
        entry->hide();
    resendLastMousePosition();  // an entry that appears under the pointer lights up at once
    return entry;
}

void Menu::show()
{
    if (active_) return;
    for (auto& entry : entries_) entry->show();
    setListening(true);
    resendLastMousePosition();
    active_ = true;
}

void Menu::hide()
{
    if (!active_) return;
    for (auto& entry : entries_) entry->hide();
    setListening(false);
    active_ = false;
}

void Menu::setListening(bool on)
{
    MouseButtonListener::setListening(on);
    MouseMoveListener::setListening(on);
}

void Menu::layOut()
{
    // Equal gaps above the first entry, between neighbours and below the last.
    double totalHeight = 0.0;
    for (auto& entry : entries_) totalHeight += entry->getHeight();
    const double gap = (1.0 - totalHeight) / (entries_.size() + 1.0);
    double y = 1.0, previousHalf = 0.0;
    for (auto& entry : entries_) {
        const double half = entry->getHeight() / 2.0;
        y -= previousHalf + half + gap;
        entry->setPosition(centreX, y);
        previousHalf = half;
    }
}

bool Menu::bandContains(const MenuEntry& entry, double y) { return std::abs(entry.getY() - y) < entry.getHeight() / 2; }

bool Menu::boxContains(const MenuEntry& entry, double x, double y)
{
    return bandContains(entry, y) && std::abs(entry.getX() - x) < entry.getWidth() / 2;
}

void Menu::unhighlight()
{
    highlighted_->setColor(normalColor_);
    highlighted_->setSize(highlighted_->getSize() / highlightGrowth);
    highlighted_ = nullptr;
}

void Menu::mouseMoved(const Pointer& pointer)
{
    const double mx = pointer.fractionX();
    const double my = pointer.fractionY();
    if (highlighted_ != nullptr && boxContains(*highlighted_, mx, my)) return;
    MenuEntry* previous = highlighted_;
    if (highlighted_ != nullptr) unhighlight();
    for (auto& entry : entries_) {
        if (entry.get() == previous || !bandContains(*entry, my)) continue;
        // The first band the pointer is in decides, even when the pointer is beside its text.
        if (boxContains(*entry, mx, my)) {
            highlighted_ = entry.get();
            highlighted_->setColor(highlightColor_);
            highlighted_->setSize(highlighted_->getSize() * highlightGrowth);
            selectSample().play();
        }
        return;
    }
}

void Menu::mouseButtonPressed(int, const Pointer&) {}

void Menu::mouseButtonReleased(int button, const Pointer&)
{
    if (highlighted_ == nullptr || button != GLUT_LEFT_BUTTON) return;
    // The listener may delete this menu: take the key first and touch nothing of ours after.
    const std::string key = highlighted_->getKey();
    listener_->menuEntrySelected(key);
    selectSample().play();
}
