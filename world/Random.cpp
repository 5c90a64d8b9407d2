#include "world/Random.h"

#include <random>

namespace {
constexpr double randomRange = 32767.0;  // the largest draw the formulas assume

// splitmix64 (Steele, Lea and Flood): a 64-bit counter through a fixed mixing function.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }
    // The top bits are the best mixed.
    int draw15() { return static_cast<int>(next() >> 49); }

private:
    std::uint64_t state_;
};

SplitMix64& world()
{
    static SplitMix64 generator(0);
    return generator;
}

SplitMix64& presentation()
{
    static SplitMix64 generator((std::uint64_t{freshSeed()} << 32) | freshSeed());
    return generator;
}

double doubleFrom(SplitMix64& generator, double a, double b) { return a + (b - a) / randomRange * generator.draw15(); }

int intFrom(SplitMix64& generator, int a, int b)
{
    if (b < a) return a;  // an empty range would never end the loop below
    // The top value b + 1 is reached only by the largest draw; draw again then.
    for (;;) {
        const int k = static_cast<int>(a + (b + 1.0 - a) / randomRange * generator.draw15());
        if (k != b + 1) return k;
    }
}
}  // namespace

double randomDouble(double a, double b) { return doubleFrom(world(), a, b); }

int randomInt(int a, int b) { return intFrom(world(), a, b); }

Vector randomBoxVector(double low, double high)
{
    const double x = randomDouble(low, high);
    const double y = randomDouble(low, high);
    const double z = randomDouble(low, high);
    return Vector(x, y, z);
}

void seedRandom(std::uint32_t seed) { world() = SplitMix64(seed); }

std::uint32_t freshSeed() { return std::random_device{}(); }

double presentationRandomDouble(double a, double b) { return doubleFrom(presentation(), a, b); }

int presentationRandomInt(int a, int b) { return intFrom(presentation(), a, b); }
