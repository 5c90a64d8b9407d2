#include "overlay/ScreenCounter.h"

#include <sstream>

ScreenCounter::ScreenCounter(const std::string& fontName, int count) : ScreenTextPoint(fontName, "")
{
    setCount(count);
}

void ScreenCounter::setCount(double count)
{
    std::ostringstream text;
    text << count;
    setText(text.str());
}

void ScreenCounter::setCount(int count) { setText(std::to_string(count)); }
