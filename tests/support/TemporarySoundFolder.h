#pragma once
// TemporarySoundFolder: a fresh temporary working folder with an empty Sound/ folder in it, for
// tests that make their own sound files. The process works in it until the object goes, then
// returns to the folder it came from and removes it.
// The files are test signals: sines whose frequency tells them apart in a mix (pick multiples
// of 10 Hz, see LoopbackSound::toneLevel). WAV files are 16-bit, MP3 files come from
// libsndfile's LAME encoder with the header that makes them loop without a gap.
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TemporaryFolder.h"

class TemporarySoundFolder : public TemporaryFolder {
public:
    TemporarySoundFolder();

    // Sound/<fileName>, the type following the extension (.wav or .mp3): the tones one after the
    // other, `seconds` each, so that what is heard tells where in the file a stream is.
    void writeTones(const std::string& fileName, const std::vector<double>& frequencies, double seconds,
                    double amplitude = 0.5, int channels = 2) const;

    std::filesystem::path soundFile(const std::string& fileName) const { return path() / "Sound" / fileName; }
};
