#pragma once
// Noise: seeded gradient noise in 3D, with optional periods on each lattice axis so that
// textures can tile, and the usual fractal sums built on it. Values lie roughly in [-1, 1].
// A period of 0 means "not periodic"; periods must be below 256 and evenly divide 256 only
// when several octaves are combined with periodic sums (periodicFbm doubles them).
#include "tools/common/Vec3.h"

#include <array>
#include <cstdint>

namespace assets {

class Noise {
public:
    explicit Noise(std::uint64_t seed);

    double gradient(double x, double y, double z, int periodX = 0, int periodY = 0, int periodZ = 0) const;
    double gradient(const Vec3& p) const { return gradient(p.x, p.y, p.z); }

    // Sum of `octaves` octaves, each at twice the frequency and `gain` times the amplitude.
    double fbm(const Vec3& p, int octaves, double gain = 0.5) const;
    // Sharp creases where the noise crosses zero, as in eroded or cracked rock; in [0, 1].
    double ridged(const Vec3& p, int octaves, double gain = 0.5) const;
    // fbm over a 2D plane that repeats every (periodX, periodY) units of the first octave.
    double periodicFbm(double x, double y, int periodX, int periodY, int octaves, double gain = 0.5,
                       double z = 0.0) const;

private:
    std::array<std::uint8_t, 512> permutation_{};
};

}  // namespace assets
