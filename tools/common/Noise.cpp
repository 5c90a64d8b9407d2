#include "tools/common/Noise.h"

#include "tools/common/Random.h"

#include <cmath>

namespace assets {

namespace {
double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

// The twelve cube-edge directions (plus four repeats) of improved noise.
constexpr double gradients[16][3] = {{1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {1, 0, 1}, {-1, 0, 1},
                                     {1, 0, -1}, {-1, 0, -1}, {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1},
                                     {1, 1, 0}, {0, -1, 1}, {-1, 1, 0}, {0, -1, -1}};

inline double dotGradient(int hash, double x, double y, double z)
{
    const double* g = gradients[hash & 15];
    return g[0] * x + g[1] * y + g[2] * z;
}

int wrap(int i, int period) { return period > 0 ? ((i % period) + period) % period & 255 : i & 255; }
}  // namespace

Noise::Noise(std::uint64_t seed)
{
    Random random(seed);
    std::array<std::uint8_t, 256> p{};
    for (int i = 0; i < 256; ++i) p[i] = static_cast<std::uint8_t>(i);
    for (int i = 255; i > 0; --i) {
        const int j = random.integer(0, i);
        std::swap(p[i], p[j]);
    }
    for (int i = 0; i < 512; ++i) permutation_[i] = p[i & 255];
}

double Noise::gradient(double x, double y, double z, int periodX, int periodY, int periodZ) const
{
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    x -= fx;
    y -= fy;
    z -= fz;
    const int x0 = wrap(ix, periodX), x1 = wrap(ix + 1, periodX);
    const int y0 = wrap(iy, periodY), y1 = wrap(iy + 1, periodY);
    const int z0 = wrap(iz, periodZ), z1 = wrap(iz + 1, periodZ);
    const auto& P = permutation_;
    auto hash = [&](int a, int b, int c) { return P[P[P[a] + b] + c]; };
    const double u = fade(x), v = fade(y), w = fade(z);
    const double n000 = dotGradient(hash(x0, y0, z0), x, y, z);
    const double n100 = dotGradient(hash(x1, y0, z0), x - 1, y, z);
    const double n010 = dotGradient(hash(x0, y1, z0), x, y - 1, z);
    const double n110 = dotGradient(hash(x1, y1, z0), x - 1, y - 1, z);
    const double n001 = dotGradient(hash(x0, y0, z1), x, y, z - 1);
    const double n101 = dotGradient(hash(x1, y0, z1), x - 1, y, z - 1);
    const double n011 = dotGradient(hash(x0, y1, z1), x, y - 1, z - 1);
    const double n111 = dotGradient(hash(x1, y1, z1), x - 1, y - 1, z - 1);
    const double nx00 = n000 + u * (n100 - n000), nx10 = n010 + u * (n110 - n010);
    const double nx01 = n001 + u * (n101 - n001), nx11 = n011 + u * (n111 - n011);
    const double nxy0 = nx00 + v * (nx10 - nx00), nxy1 = nx01 + v * (nx11 - nx01);
    return nxy0 + w * (nxy1 - nxy0);
}

double Noise::fbm(const Vec3& p, int octaves, double gain) const
{
    double sum = 0.0, amplitude = 1.0, norm = 0.0, frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that the lattice points of the octaves never coincide.
        sum += amplitude * gradient(p.x * frequency + 17.3 * i, p.y * frequency - 9.1 * i, p.z * frequency + 4.7 * i);
        norm += amplitude;
        amplitude *= gain;
        frequency *= 2.0;
    }
    return sum / norm;
}

double Noise::ridged(const Vec3& p, int octaves, double gain) const
{
    double sum = 0.0, amplitude = 1.0, norm = 0.0, frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        const double n =
            1.0 - std::abs(gradient(p.x * frequency + 31.7 * i, p.y * frequency + 5.3 * i, p.z * frequency - 12.9 * i));
        sum += amplitude * n * n;
        norm += amplitude;
        amplitude *= gain;
        frequency *= 2.0;
    }
    return sum / norm;
}

double Noise::periodicFbm(double x, double y, int periodX, int periodY, int octaves, double gain, double z) const
{
    double sum = 0.0, amplitude = 1.0, norm = 0.0;
    int px = periodX, py = periodY;
    double frequency = 1.0;
    for (int i = 0; i < octaves; ++i) {
        // Whole-lattice offsets keep every octave periodic.
        sum += amplitude * gradient(x * frequency + 37 * i, y * frequency + 11 * i, z + 0.37 * i, px, py, 0);
        norm += amplitude;
        amplitude *= gain;
        frequency *= 2.0;
        px *= 2;
        py *= 2;
    }
    return sum / norm;
}

}  // namespace assets
