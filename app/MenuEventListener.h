#pragma once
// MenuEventListener: told the key of the menu entry the player chose. A menu holds one.
#include <string>

class MenuEventListener {
public:
    virtual ~MenuEventListener() = default;
    virtual void menuEntrySelected(std::string key) = 0;
};
