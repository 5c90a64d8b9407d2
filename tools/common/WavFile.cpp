#include "tools/common/WavFile.h"

#include "tools/common/ByteWriter.h"

#include <algorithm>
#include <cmath>

namespace assets {

void WavFile::write16(const std::string& path, int channels, const std::vector<float>& interleaved)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(interleaved.size() * 2);
    ByteWriter out;
    out.bytes("RIFF", 4);
    out.u32(36 + dataBytes);
    out.bytes("WAVE", 4);
    out.bytes("fmt ", 4);
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(static_cast<std::uint16_t>(channels));
    out.u32(sampleRate);
    out.u32(static_cast<std::uint32_t>(sampleRate * channels * 2));
    out.u16(static_cast<std::uint16_t>(channels * 2));
    out.u16(16);
    out.bytes("data", 4);
    out.u32(dataBytes);
    for (float s : interleaved) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        out.u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    out.save(path);
}

}  // namespace assets
