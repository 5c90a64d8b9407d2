#pragma once
// ScreenCounter: a text element that shows a number (the score). Integers show in decimal;
// doubles as a standard stream prints them by default (six significant digits, exponent
// form for very large or small values).
#include "overlay/ScreenTextPoint.h"

class ScreenCounter : public virtual ScreenTextPoint {
public:
    ScreenCounter(const std::string& fontName, int count);

    virtual void setCount(double count);
    virtual void setCount(int count);
};
