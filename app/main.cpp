// Rubblestorm: starts the game manager and its window and reports whatever error ends it.
#include <malloc.h>

#include <cstdlib>
#include <iostream>

#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "app/GameWindow.h"
#include "world/Random.h"

int main(int argc, char** argv)
{
    // Frames made of display lists allocate and free in bursts; without a high trim
    // threshold glibc returns and regrows the heap every frame (about 3x slower).
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    // Tests, benchmarks and bug reports replay a world exactly by fixing the random seed.
    if (const char* seed = std::getenv("RUBBLESTORM_SEED"))
        seedRandom(static_cast<unsigned>(std::strtoul(seed, nullptr, 10)));
    Platform::install(&GameWindow::instance());
    runReportingErrors(
        [&] {
            GameManager::initialize(&argc, argv);
            GameManager::run();
        },
        std::cout);
    return 0;
}
