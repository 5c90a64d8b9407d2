#pragma once
// FluidRenderer: plays a Score through FluidSynth with a General MIDI sound font, offline and
// single-threaded, into float samples (no clipping inside; the mastering sets the level).
// A looping score comes back exactly as long as its loop, with whatever sounds past the
// loop's end (releases, reverb) added onto its start, just as it will be heard when the game
// plays it round and round.
#include "tools/music/Score.h"
#include "tools/sound/Stereo.h"

#include <string>

namespace assets {

class FluidRenderer {
public:
    // Throws std::runtime_error when the sound font cannot be loaded.
    static Stereo render(const Score& score, const std::string& soundFont);
};

}  // namespace assets
