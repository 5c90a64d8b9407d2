#pragma once
// CellNoise: cellular (Worley) noise over the unit square that repeats at its edges: one
// random feature point per cell of a cells x cells grid; a query gives the distances to the
// nearest and second-nearest points (in cell units) and the id of the nearest cell. F1 makes
// rounded pebbles, F2 - F1 the cracks between them.
#include <cstdint>
#include <vector>

namespace assets {

class CellNoise {
public:
    CellNoise(int cells, std::uint64_t seed);

    struct Result {
        double f1, f2;
        int nearest;  // cell index, stable per cell: usable to vary a property per stone
    };
    Result at(double x, double y) const;  // x, y in [0, 1), repeating
    int cells() const { return cells_; }

private:
    int cells_;
    std::vector<double> pointX_, pointY_;
};

}  // namespace assets
