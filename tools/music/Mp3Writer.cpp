#include "tools/music/Mp3Writer.h"

#include "tools/common/ByteWriter.h"

#include <lame/lame.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace assets {

namespace {
struct LameDeleter {
    void operator()(lame_global_flags* f) const { lame_close(f); }
};
}  // namespace

void Mp3Writer::write(const std::string& path, const Stereo& sound, int vbrQuality)
{
    std::unique_ptr<lame_global_flags, LameDeleter> flags(lame_init());
    lame_global_flags* gf = flags.get();
    if (gf == nullptr) throw std::runtime_error("cannot start LAME");
    lame_set_in_samplerate(gf, Stereo::rate);
    lame_set_out_samplerate(gf, Stereo::rate);
    lame_set_num_channels(gf, 2);
    lame_set_mode(gf, JOINT_STEREO);
    lame_set_VBR(gf, vbr_default);
    lame_set_VBR_quality(gf, static_cast<float>(vbrQuality));
    lame_set_quality(gf, 5);
    lame_set_bWriteVbrTag(gf, 1);
    if (lame_init_params(gf) < 0) throw std::runtime_error("LAME rejected its settings");

    std::vector<unsigned char> mp3;
    std::vector<unsigned char> buffer(1 << 16);
    constexpr size_t chunk = 8192;
    for (size_t at = 0; at < sound.frames(); at += chunk) {
        const int n = static_cast<int>(std::min(chunk, sound.frames() - at));
        buffer.resize(static_cast<size_t>(1.25 * n + 7200));
        const int written = lame_encode_buffer_ieee_float(gf, sound.left.data() + at, sound.right.data() + at, n,
                                                          buffer.data(), static_cast<int>(buffer.size()));
        if (written < 0) throw std::runtime_error("LAME failed to encode");
        mp3.insert(mp3.end(), buffer.begin(), buffer.begin() + written);
    }
    buffer.resize(7200);
    const int flushed = lame_encode_flush(gf, buffer.data(), static_cast<int>(buffer.size()));
    if (flushed < 0) throw std::runtime_error("LAME failed to flush");
    mp3.insert(mp3.end(), buffer.begin(), buffer.begin() + flushed);

    // The first frame was reserved for the header; fill it in now that the totals are known.
    std::vector<unsigned char> tag(4096);
    const size_t tagSize = lame_get_lametag_frame(gf, tag.data(), tag.size());
    if (tagSize == 0 || tagSize > mp3.size()) throw std::runtime_error("LAME gave no header frame");
    std::copy(tag.begin(), tag.begin() + tagSize, mp3.begin());

    ByteWriter out;
    out.bytes(mp3.data(), mp3.size());
    out.save(path);
}

}  // namespace assets
