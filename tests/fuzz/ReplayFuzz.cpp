// Fuzzes the replay reader with arbitrary text. Any input either fails with GameError or reads
// as a replay whose written text reads back as the same replay and is written again unchanged.
#include <string>

#include "app/Replay.h"
#include "scene/GameError.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Replay replay;
    try {
        replay = parseReplay(text, "fuzzed.replay");
    } catch (const GameError&) {
        return 0;
    }
    const std::string written = replayText(replay);
    Replay again;
    try {
        again = parseReplay(written, "written.replay");
    } catch (const GameError& error) {
        expect(false, error.what());
    }
    expect(again == replay, "the written text reads back as the same replay");
    expect(replayText(again) == written, "the written text is written again unchanged");
    return 0;
}
