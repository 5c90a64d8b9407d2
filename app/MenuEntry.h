#pragma once
// MenuEntry: one line of a menu: a text centred on its place, and the key the menu reports
// when the player chooses it.
#include <string>

#include "overlay/ScreenTextPoint.h"

class MenuEntry : public virtual ScreenTextPoint {
public:
    MenuEntry(const std::string& fontName, const std::string& label, const std::string& key, double x, double y);

    virtual void setKey(const std::string& key);
    virtual std::string getKey() const;

private:
    std::string key_;
};
