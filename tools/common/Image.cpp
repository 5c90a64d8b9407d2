#include "tools/common/Image.h"

#include <algorithm>
#include <cmath>

namespace assets {

std::uint8_t toByte(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill)
{
}

Rgb Image::sampleWrapped(double x, double y) const
{
    x -= 0.5;
    y -= 0.5;
    const double fx = std::floor(x), fy = std::floor(y);
    const float tx = static_cast<float>(x - fx), ty = static_cast<float>(y - fy);
    auto wrapX = [&](long i) { return static_cast<int>(((i % width_) + width_) % width_); };
    auto wrapY = [&](long i) { return static_cast<int>(((i % height_) + height_) % height_); };
    const long ix = static_cast<long>(fx), iy = static_cast<long>(fy);
    const Rgb top = mix(at(wrapX(ix), wrapY(iy)), at(wrapX(ix + 1), wrapY(iy)), tx);
    const Rgb bottom = mix(at(wrapX(ix), wrapY(iy + 1)), at(wrapX(ix + 1), wrapY(iy + 1)), tx);
    return mix(top, bottom, ty);
}

Rgb Image::sampleClamped(double x, double y) const
{
    x = std::clamp(x - 0.5, 0.0, width_ - 1.0);
    y = std::clamp(y - 0.5, 0.0, height_ - 1.0);
    const int ix = std::min(static_cast<int>(x), width_ - 2 < 0 ? 0 : width_ - 2);
    const int iy = std::min(static_cast<int>(y), height_ - 2 < 0 ? 0 : height_ - 2);
    const float tx = static_cast<float>(x - ix), ty = static_cast<float>(y - iy);
    const int ix1 = std::min(ix + 1, width_ - 1), iy1 = std::min(iy + 1, height_ - 1);
    const Rgb top = mix(at(ix, iy), at(ix1, iy), tx);
    const Rgb bottom = mix(at(ix, iy1), at(ix1, iy1), tx);
    return mix(top, bottom, ty);
}

std::vector<std::uint8_t> Image::toBytes() const
{
    std::vector<std::uint8_t> bytes(pixels_.size() * 3);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        bytes[3 * i] = toByte(pixels_[i].r);
        bytes[3 * i + 1] = toByte(pixels_[i].g);
        bytes[3 * i + 2] = toByte(pixels_[i].b);
    }
    return bytes;
}

}  // namespace assets
