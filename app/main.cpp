// Rubblestorm: answers --help and --version, or starts the game manager and its window, plays
// a replay when asked, and reports whatever error ends it.
#include <cstdio>
#include <iostream>

#include "app/CommandLine.h"
#include "app/ErrorReport.h"
#include "app/GameManager.h"
#include "app/GamePads.h"
#include "app/GameWindow.h"
#include "app/Usage.h"
#include "sound/GameSounds.h"

int main(int argc, char** argv)
{
    const CommandLine options = CommandLine::parse(argc, argv);
    // Nothing before this point may open a display or a sound device: these must work anywhere.
    if (options.help || options.version) {
        std::cout << (options.help ? Usage::helpText() : Usage::versionText());
        return 0;
    }
    for (const std::string& unknown : options.unknown)
        std::cerr << "rubblestorm: ignoring unknown option '" << unknown << "'\n";
    Platform::install(&GameWindow::instance());
    runReportingErrors(
        [&] {
            buildGameSounds();
            GameManager::initialize(&argc, argv);
            GameManager* game = GameManager::getInstance();
            if (options.seed) game->fixSeed(*options.seed);
            game->usePads(GamePads::start(std::cerr));
            if (!options.replay.empty()) {
                GameManager::PlaybackEnd onEnd;
                // A fast replay serves tests and benchmarks: its summary, then the end.
                if (options.fast)
                    onEnd = [](const ReplaySummary& summary, const std::string& failure) {
                        if (failure.empty()) std::printf("%s\n", summaryLine(summary).c_str());
                        std::fflush(stdout);
                        Platform::get().exitProcess(failure.empty() ? 0 : 1);
                    };
                game->playReplay(options.replay, options.fast, onEnd);
            }
            GameManager::run();
        },
        std::cout);
    return 0;
}
