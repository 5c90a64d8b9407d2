#pragma once
// PianoRoll: draws a score as a picture, time across and pitch up, one colour per channel,
// bar lines and a C on every octave, so that melodies, voicings and form can be checked by
// eye. A development aid of the music generator.
#include "tools/common/Image.h"
#include "tools/music/Score.h"

namespace assets {

class PianoRoll {
public:
    static Image draw(const Score& score, int pixelsPerBeat = 12, int pixelsPerKey = 5);
};

}  // namespace assets
