#pragma once
// WavFile: writes 16-bit PCM WAV files (RIFF, 44-byte header) from float samples in [-1, 1].
// Samples are interleaved when there are two channels. Values beyond full scale are clipped,
// which the generator avoids by normalising first.
#include <string>
#include <vector>

namespace assets {

class WavFile {
public:
    static constexpr int sampleRate = 44100;
    static void write16(const std::string& path, int channels, const std::vector<float>& interleaved);
};

}  // namespace assets
