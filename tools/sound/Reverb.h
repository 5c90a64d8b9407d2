#pragma once
// Reverb: a small room/hall in the manner of Freeverb (eight damped comb filters and four
// all-passes per channel, the right channel's delays slightly longer for width). Adds the
// wet signal to the buffer in place; deterministic.
#include "tools/sound/Stereo.h"

namespace assets {

class Reverb {
public:
    // size 0..1 (decay), damping 0..1 (darker tail), wet: level of the tail added.
    static void apply(Stereo& sound, double size, double damping, double wet);
};

}  // namespace assets
