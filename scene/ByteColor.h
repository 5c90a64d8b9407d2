#pragma once
// ByteColor: a colour made of 8-bit channels that survives the way through an 8-bit
// framebuffer exactly, so that it can carry an object number for colour picking
// (number = blue * 65536 + green * 256 + red; 0, black, means nothing).
#include "scene/Color.h"

class ByteColor : public virtual Color {
public:
    ByteColor(int red, int green, int blue);

    int redByte() const;
    int greenByte() const;
    int blueByte() const;
    int toIndex() const;
    // Throws GameError "requested index too high" above 2^24.
    static ByteColor fromIndex(int index);
    // Writes the three bytes to standard output (a debugging aid).
    virtual void print() const;
};
