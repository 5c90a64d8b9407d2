// Rubblestorm: starts the game manager and its window and reports whatever error ends it.
#include <cstdlib>
#include <iostream>

#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "app/GameWindow.h"
#include "world/Random.h"

int main(int argc, char** argv)
{
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
