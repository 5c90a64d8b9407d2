#include "app/MenuEntry.h"

MenuEntry::MenuEntry(const std::string& fontName, const std::string& label, const std::string& key, double x, double y)
    : ScreenTextPoint(fontName, label), key_(key)
{
    setPosition(x, y);
    setAlignment(Center);
}

void MenuEntry::setKey(const std::string& key) { key_ = key; }

std::string MenuEntry::getKey() const { return key_; }
