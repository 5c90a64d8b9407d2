#include "scene/ByteColor.h"

#include <iostream>

#include "scene/GameError.h"

namespace {
// Each byte maps to the middle of its band of channel values, so that the GL's rounding to
// 8 bits gives the same byte back.
double channelOf(int byte)
{
    if (byte <= 0) return 0.0;
    if (byte >= 255) return 1.0;
    return (byte * 128 + 64) / 32767.0;
}

int byteOf(double channel)
{
    if (channel == 0.0) return 0;
    if (channel == 1.0) return 255;
    return (static_cast<int>(channel * 32767) - 64) / 128;
}

constexpr int highestIndex = 16777216;
}  // namespace

ByteColor::ByteColor(int red, int green, int blue) : Color(channelOf(red), channelOf(green), channelOf(blue), 1.0) {}

int ByteColor::redByte() const { return byteOf(red()); }

int ByteColor::greenByte() const { return byteOf(green()); }

int ByteColor::blueByte() const { return byteOf(blue()); }

int ByteColor::toIndex() const { return blueByte() * 65536 + greenByte() * 256 + redByte(); }

ByteColor ByteColor::fromIndex(int index)
{
    if (index > highestIndex) throw GameError("requested index too high");
    return ByteColor(index % 256, (index / 256) % 256, index / 65536);
}

void ByteColor::print() const
{
    std::cout << "ByteColor: red=" << redByte() << ", green=" << greenByte() << ", blue=" << blueByte() << std::endl;
}
