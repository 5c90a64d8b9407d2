#pragma once
// Image: an RGB picture of floats in [0, 1] (values outside are clamped only when written),
// rows stored top row first as one paints them. Sampling helpers wrap or clamp at the edges.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace assets {

struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
    Rgb operator*(float f) const { return {r * f, g * f, b * f}; }
    Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(const Rgb& o) const { return {r * o.r, g * o.g, b * o.b}; }
};

inline Rgb mix(const Rgb& a, const Rgb& b, float t) { return a * (1.0f - t) + b * t; }
// A channel in [0, 1] as the byte every file format stores, clamped and rounded.
std::uint8_t toByte(float v);

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgb& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // Bilinear sample at pixel coordinates (pixel centres at integer + 0.5), repeating at the edges.
    Rgb sampleWrapped(double x, double y) const;
    // Bilinear sample, clamped at the edges.
    Rgb sampleClamped(double x, double y) const;

    // 8-bit channels, top row first, R G B per pixel.
    std::vector<std::uint8_t> toBytes() const;

private:
    int width_ = 0, height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace assets
