#pragma once
// Mastering: brings a rendered piece to its level: freed of its DC offset, normalised, raised
// by a gain and held under a ceiling by a look-ahead peak limiter whose gain moves smoothly (no
// clicks, little distortion). For loops the limiter runs round the loop, so that its gain at
// the end matches its gain at the start and the seam stays invisible.
#include "tools/sound/Stereo.h"

namespace assets {

class Mastering {
public:
    static void master(Stereo& sound, double gainDb, double ceilingDb, bool loop);
};

}  // namespace assets
