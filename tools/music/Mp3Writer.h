#pragma once
// Mp3Writer: encodes stereo 44.1 kHz sound to MP3 with libmp3lame and writes the LAME header
// frame at the file's start. That header records the encoder's delay and padding, which
// decoders use to cut the silence MP3 otherwise adds at both ends, so loops stay gapless.
#include "tools/sound/Stereo.h"

#include <string>

namespace assets {

class Mp3Writer {
public:
    // VBR quality 0 (best) to 9; throws std::runtime_error on encoder failure.
    static void write(const std::string& path, const Stereo& sound, int vbrQuality = 2);
};

}  // namespace assets
