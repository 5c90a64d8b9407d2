#include "world/Random.h"

#include <cstdlib>
#include <ctime>

namespace {
constexpr double randomRange = 32767.0;  // the largest rand() value the formulas assume
bool seeded = false;

int nextRandom()
{
    if (!seeded) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        for (int i = 0; i < 100; ++i) std::srand(static_cast<unsigned>(std::rand()));
        seeded = true;
    }
    // glibc's rand() reaches 2^31 - 1; its low 15 bits give the range the formulas expect.
    return std::rand() & 0x7fff;
}
}  // namespace

double randomDouble(double a, double b) { return a + (b - a) / randomRange * nextRandom(); }

int randomInt(int a, int b)
{
    if (b < a) return a;  // an empty range would never end the loop below
    // The top value b + 1 is reached only by the largest draw; draw again then.
    for (;;) {
        const int k = static_cast<int>(a + (b + 1.0 - a) / randomRange * nextRandom());
        if (k != b + 1) return k;
    }
}

void seedRandom(unsigned seed)
{
    std::srand(seed);
    seeded = true;
}
