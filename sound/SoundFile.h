#pragma once
// SoundFile: one sound file read through libsndfile (WAV in its common encodings, MP3), as
// interleaved 16-bit stereo frames whatever the file holds: mono is copied to both sides, and
// of more channels the first two are kept. Float files are scaled into the 16-bit range.
// Depends on: libsndfile.
//
// Cannot: write files. A missing, damaged or empty file is simply not open (isOpen() false)
// and reads nothing; a file that breaks off in the middle reads as ending there. The frame
// count of an MP3 is not trusted: the end is where a read returns nothing. The frames read
// do not depend on how many are asked for at a time, even from a damaged file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sf_private_tag;  // libsndfile's SNDFILE

class SoundFile {
public:
    static constexpr int outputChannels = 2;

    explicit SoundFile(const std::string& path);
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile();

    bool isOpen() const { return file_ != nullptr; }
    int sampleRate() const { return sampleRate_; }

    // Reads up to `frames` stereo frames into `out` (2 values per frame) and returns how many
    // it read; 0 means the end of the file (or that it is not open).
    std::size_t read(std::int16_t* out, std::size_t frames);
    // Goes back to the first frame; false if the file cannot seek (then it stays at its end).
    bool rewind();
    // Everything from the current position to the end.
    std::vector<std::int16_t> readAll();

private:
    sf_private_tag* file_ = nullptr;
    int channels_ = 0;
    int sampleRate_ = 0;
    // Decodes the next block into fileFrames_; false at the end of the file.
    bool decodeBlock();

    std::vector<std::int16_t> fileFrames_;  // one block in the file's own channel layout
    std::size_t blockFrames_ = 0;           // frames in fileFrames_
    std::size_t nextFrame_ = 0;             // the first of them not yet read
    bool ended_ = false;                    // the last block was short: nothing more to decode
};
