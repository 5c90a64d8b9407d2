#include "sound/SoundFile.h"

#include <sndfile.h>

#include <algorithm>

namespace {
// Frames decoded per libsndfile call. Always whole blocks of this size, whatever the caller
// asks for: where mpg123 gives up on a damaged stream, libsndfile drops what it had decoded of
// the read in hand, so reads of other sizes would give other sound.
constexpr std::size_t framesPerRead = 4096;

bool isFloat(int format)
{
    const int encoding = format & SF_FORMAT_SUBMASK;
    return encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
}
}  // namespace

SoundFile::SoundFile(const std::string& path)
{
    SF_INFO info{};
    file_ = sf_open(path.c_str(), SFM_READ, &info);
    if (file_ == nullptr) return;
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file_);
        file_ = nullptr;
        return;
    }
    channels_ = info.channels;
    sampleRate_ = info.samplerate;
    // Without this a float WAV reads as near-silence: its -1..1 values would be cast, not scaled.
    // It is asked for float files only: libsndfile finds the scale by reading the whole file,
    // which for an MP3 means decoding minutes of music (half a second of the game's start)
    // only to read the same samples as without it.
    if (isFloat(info.format)) sf_command(file_, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
}

SoundFile::~SoundFile()
{
    if (file_ != nullptr) sf_close(file_);
}

std::size_t SoundFile::read(std::int16_t* out, std::size_t frames)
{
    if (file_ == nullptr) return 0;
    std::size_t total = 0;
    while (total < frames) {
        if (nextFrame_ == blockFrames_ && !decodeBlock()) break;
        const std::size_t count = std::min(frames - total, blockFrames_ - nextFrame_);
        for (std::size_t frame = 0; frame < count; ++frame) {
            const std::int16_t* in = &fileFrames_[(nextFrame_ + frame) * static_cast<std::size_t>(channels_)];
            std::int16_t* stereo = out + outputChannels * (total + frame);
            stereo[0] = in[0];
            stereo[1] = channels_ == 1 ? in[0] : in[1];
        }
        nextFrame_ += count;
        total += count;
    }
    return total;
}

bool SoundFile::decodeBlock()
{
    if (ended_) return false;
    fileFrames_.resize(framesPerRead * static_cast<std::size_t>(channels_));
    const sf_count_t got = sf_readf_short(file_, fileFrames_.data(), static_cast<sf_count_t>(framesPerRead));
    blockFrames_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    nextFrame_ = 0;
    // A short block is the end. A damaged MP3 may give more after it, but only to a later
    // read, which would make the sound depend on the sizes of the reads.
    ended_ = blockFrames_ < framesPerRead;
    return blockFrames_ > 0;
}

bool SoundFile::rewind()
{
    if (file_ == nullptr || sf_seek(file_, 0, SEEK_SET) != 0) return false;
    blockFrames_ = nextFrame_ = 0;
    ended_ = false;
    return true;
}

std::vector<std::int16_t> SoundFile::readAll()
{
    std::vector<std::int16_t> frames;
    std::size_t total = 0;
    for (;;) {
        frames.resize((total + framesPerRead) * outputChannels);
        const std::size_t got = read(frames.data() + total * outputChannels, framesPerRead);
        total += got;
        if (got == 0) break;
    }
    frames.resize(total * outputChannels);
    return frames;
}
