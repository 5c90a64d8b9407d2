#include "tools/common/Palette.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace assets {

namespace {
using Colour = std::array<int, 3>;

Colour toColour(const Rgb& c)
{
    auto byte = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return {byte(c.r), byte(c.g), byte(c.b)};
}

struct Box {
    std::vector<Colour> colours;
    int widestChannel() const
    {
        int best = 0, bestRange = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Colour& c : colours) lo = std::min(lo, c[ch]), hi = std::max(hi, c[ch]);
            if (hi - lo > bestRange) bestRange = hi - lo, best = ch;
        }
        return bestRange <= 0 ? -1 : best;
    }
};
}  // namespace

PalettedImage Palette::quantize(const Image& image)
{
    PalettedImage out;
    out.width = image.width();
    out.height = image.height();
    std::vector<Colour> all;
    all.reserve(static_cast<size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) all.push_back(toColour(image.at(x, y)));

    std::vector<Box> boxes{Box{all}};
    while (boxes.size() < 256) {
        // Split the most populous box that still has a spread of colours.
        int chosen = -1;
        size_t most = 0;
        for (size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].colours.size() > most && boxes[i].widestChannel() >= 0) most = boxes[i].colours.size(), chosen = static_cast<int>(i);
        if (chosen < 0) break;
        Box& box = boxes[chosen];
        const int ch = box.widestChannel();
        std::sort(box.colours.begin(), box.colours.end(), [ch](const Colour& a, const Colour& b) {
            return a[ch] != b[ch] ? a[ch] < b[ch] : a < b;
        });
        const size_t half = box.colours.size() / 2;
        Box upper{std::vector<Colour>(box.colours.begin() + half, box.colours.end())};
        box.colours.resize(half);
        boxes.push_back(std::move(upper));
    }
    std::vector<Colour> palette;
    for (const Box& box : boxes) {
        long sum[3] = {0, 0, 0};
        for (const Colour& c : box.colours)
            for (int ch = 0; ch < 3; ++ch) sum[ch] += c[ch];
        const long n = static_cast<long>(std::max<size_t>(1, box.colours.size()));
        palette.push_back({static_cast<int>(sum[0] / n), static_cast<int>(sum[1] / n), static_cast<int>(sum[2] / n)});
    }
    for (size_t i = 0; i < out.palette.size(); ++i) {
        const Colour c = i < palette.size() ? palette[i] : Colour{0, 0, 0};
        out.palette[i] = Rgb{c[0] / 255.0f, c[1] / 255.0f, c[2] / 255.0f};
    }
    out.indices.resize(all.size());
    for (size_t p = 0; p < all.size(); ++p) {
        int best = 0, bestDistance = std::numeric_limits<int>::max();
        for (size_t i = 0; i < palette.size(); ++i) {
            const int dr = all[p][0] - palette[i][0], dg = all[p][1] - palette[i][1], db = all[p][2] - palette[i][2];
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
        }
        out.indices[p] = static_cast<std::uint8_t>(best);
    }
    return out;
}

}  // namespace assets
