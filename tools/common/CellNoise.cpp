#include "tools/common/CellNoise.h"

#include "tools/common/Random.h"

#include <cmath>
#include <limits>

namespace assets {

CellNoise::CellNoise(int cells, std::uint64_t seed) : cells_(cells)
{
    Random random(seed);
    for (int i = 0; i < cells * cells; ++i) {
        pointX_.push_back(random.uniform(0.05, 0.95));
        pointY_.push_back(random.uniform(0.05, 0.95));
    }
}

CellNoise::Result CellNoise::at(double x, double y) const
{
    const double gx = x * cells_, gy = y * cells_;
    const int cx = static_cast<int>(std::floor(gx)), cy = static_cast<int>(std::floor(gy));
    Result r{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), 0};
    for (int j = cy - 1; j <= cy + 1; ++j) {
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const int wi = ((i % cells_) + cells_) % cells_, wj = ((j % cells_) + cells_) % cells_;
            const int id = wj * cells_ + wi;
            const double dx = i + pointX_[id] - gx, dy = j + pointY_[id] - gy;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < r.f1) {
                r.f2 = r.f1;
                r.f1 = d;
                r.nearest = id;
            } else if (d < r.f2) {
                r.f2 = d;
            }
        }
    }
    return r;
}

}  // namespace assets
