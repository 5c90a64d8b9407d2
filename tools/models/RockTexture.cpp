#include "tools/models/RockTexture.h"

#include "tools/common/CellNoise.h"
#include "tools/common/Noise.h"
#include "tools/common/Random.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assets {

namespace {
struct Pit {
    double x, y, radius, depth;
};

// Height of small craters; each is evaluated with its wrapped copies so that craters on an
// edge continue on the opposite side.
double pitHeight(const std::vector<Pit>& pits, double x, double y)
{
    double h = 0.0;
    for (const Pit& p : pits) {
        double dx = x - p.x, dy = y - p.y;
        dx -= std::round(dx);
        dy -= std::round(dy);
        if (std::abs(dx) > 2.0 * p.radius || std::abs(dy) > 2.0 * p.radius) continue;
        const double t = std::sqrt(dx * dx + dy * dy) / p.radius;
        const double bowl = t < 1.0 ? t * t - 1.0 : 0.0;
        const double rim = 0.22 * std::exp(-(t - 1.0) * (t - 1.0) / 0.05);
        h += p.depth * (bowl + rim);
    }
    return h;
}

struct Recipe {
    double warp, fbmAmount, stoneAmount, crackAmount, crackWidth, pitCount, plateContrast, grain, layering;
    int stoneCells;
};

Recipe recipeOf(RockTexture::Style style)
{
    switch (style) {
    case RockTexture::Style::Layered:  // dusty regolith with faint bedding
        return {0.5, 1.0, 0.08, 0.15, 0.04, 40, 0.04, 0.06, 0.30, 10};
    case RockTexture::Style::Cracked:  // fractured plates
        return {0.9, 0.9, 0.10, 0.8, 0.05, 14, 0.08, 0.05, 0.0, 7};
    case RockTexture::Style::Pitted:
    default:  // lumpy breccia, peppered with small impacts
        return {0.6, 0.9, 0.22, 0.2, 0.04, 90, 0.05, 0.07, 0.0, 14};
    }
}
}  // namespace

Image RockTexture::make(Style style, int size, unsigned seed)
{
    const Recipe recipe = recipeOf(style);
    const Noise noise(seed);
    const Noise warpNoise(seed + 1);
    const Noise albedoNoise(seed + 2);
    const CellNoise stones(recipe.stoneCells, seed + 3);
    const CellNoise plates(5, seed + 4);
    Random random(seed + 5);
    std::vector<Pit> pits;
    for (int i = 0; i < recipe.pitCount; ++i) {
        const double r = std::pow(random.uniform(), 3.5) * 0.055 + 0.005;
        pits.push_back({random.uniform(), random.uniform(), r, random.uniform(0.5, 1.0) * r * 2.5});
    }

    // 1. A height field: warped fractal relief, rounded stones, cracks and craters.
    std::vector<double> height(static_cast<size_t>(size) * size), albedo(height.size());
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double x = (px + 0.5) / size, y = (py + 0.5) / size;
            const double wx = warpNoise.periodicFbm(x * 4, y * 4, 4, 4, 3);
            const double wy = warpNoise.periodicFbm(x * 4, y * 4, 4, 4, 3, 0.5, 5.5);
            const double sx = x + recipe.warp * 0.08 * wx, sy = y + recipe.warp * 0.08 * wy;
            double h = recipe.fbmAmount * noise.periodicFbm(sx * 8, sy * 8, 8, 8, 6, 0.55);
            const auto stone = stones.at(sx - std::floor(sx), sy - std::floor(sy));
            h += recipe.stoneAmount * 0.35 * (0.6 - stone.f1);
            const auto plate = plates.at(sx - std::floor(sx), sy - std::floor(sy));
            // Cracks: narrow valleys where two cells meet, ragged by the noise.
            // Some stretches of a crack close up, so the plates do not read as paving.
            const double edge = plate.f2 - plate.f1 + 0.06 * noise.periodicFbm(x * 32, y * 32, 32, 32, 2);
            const double open = std::clamp(0.45 + 1.4 * warpNoise.periodicFbm(x * 6, y * 6, 6, 6, 2, 0.5, 13.0), 0.0, 1.0);
            h -= open * recipe.crackAmount * 0.6 * std::exp(-edge * edge / (recipe.crackWidth * recipe.crackWidth));
            const double stoneEdge = stone.f2 - stone.f1;
            h -= recipe.stoneAmount * 0.25 * std::exp(-stoneEdge * stoneEdge / 0.004);
            h += pitHeight(pits, x, y) * 6.0;
            if (recipe.layering > 0.0)
                h += recipe.layering * 0.15 * std::sin((sy * 9.0 + 0.6 * wx) * 2.0 * 3.14159265);
            height[static_cast<size_t>(py) * size + px] = h;

            // Albedo: broad patches, a slightly different shade per plate, fine grain.
            double a = 0.72 + 0.10 * albedoNoise.periodicFbm(x * 3, y * 3, 3, 3, 3);
            a += recipe.plateContrast * ((plate.nearest * 37 % 11) / 10.0 - 0.5);
            a += recipe.grain * albedoNoise.periodicFbm(x * 128, y * 128, 128, 128, 2, 0.5, 7.0);
            albedo[static_cast<size_t>(py) * size + px] = a;
        }
    }

    // 2. Shade it: slopes facing the upper left lighter, hollows darker, so the relief shows
    // whatever the light in the game; then the albedo on top.
    auto h = [&](int x, int y) {
        x = (x % size + size) % size;
        y = (y % size + size) % size;
        return height[static_cast<size_t>(y) * size + x];
    };
    Image image(size, size);
    const double pixelsPerUnit = size / 8.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = (h(x + 1, y) - h(x - 1, y)) * pixelsPerUnit;
            const double dy = (h(x, y + 1) - h(x, y - 1)) * pixelsPerUnit;
            const double slope = std::clamp(-(dx + dy) * 0.14, -0.25, 0.25);
            double cavity = 0.0;
            for (int r : {2, 5})
                cavity += (h(x - r, y) + h(x + r, y) + h(x, y - r) + h(x, y + r)) / 4.0 - h(x, y);
            cavity = std::clamp(cavity * 2.0, -0.15, 0.35);
            double v = albedo[static_cast<size_t>(y) * size + x] * (1.0 + slope - cavity);
            v = std::clamp(v, 0.08, 1.0);
            // A whisper of warm and cool, so a tint does not look flat.
            const double hue = 0.03 * albedoNoise.periodicFbm(x * 2.0 / size, y * 2.0 / size, 2, 2, 2, 0.5, 91.0);
            image.at(x, y) = Rgb{static_cast<float>(v * (1.0 + hue)), static_cast<float>(v),
                                 static_cast<float>(v * (1.0 - hue))};
        }
    }
    return image;
}

}  // namespace assets
