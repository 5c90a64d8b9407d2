#include "tools/common/PngFile.h"

#include "tools/common/ByteWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace assets {

namespace {
// PNG numbers are big-endian, ByteWriter's little-endian.
void bigEndian(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(ByteWriter& file, const char* type, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> bytes;
    bigEndian(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), type, type + 4);
    bytes.insert(bytes.end(), data.begin(), data.end());
    // The check sum covers the type and the data, not the length.
    bigEndian(bytes, static_cast<std::uint32_t>(crc32(0, bytes.data() + 4, static_cast<uInt>(bytes.size() - 4))));
    file.bytes(bytes.data(), bytes.size());
}

}  // namespace

void PngFile::writeRgba(const std::string& path, const Image& image, const std::vector<float>& alpha)
{
    const int w = image.width(), h = image.height();
    if (alpha.size() != static_cast<size_t>(w) * h) throw std::runtime_error("PNG " + path + ": alpha size differs");
    // Each row starts with its filter type; 0 (none) keeps the writer simple.
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<size_t>(w * 4 + 1) * h);
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        for (int x = 0; x < w; ++x) {
            const Rgb& c = image.at(x, y);
            raw.insert(raw.end(), {toByte(c.r), toByte(c.g), toByte(c.b), toByte(alpha[static_cast<size_t>(y) * w + x])});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("PNG " + path + ": zlib failed");
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    bigEndian(header, static_cast<std::uint32_t>(w));
    bigEndian(header, static_cast<std::uint32_t>(h));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    ByteWriter file;
    file.bytes("\x89PNG\r\n\x1a\n", 8);
    chunk(file, "IHDR", header);
    chunk(file, "IDAT", packed);
    chunk(file, "IEND", {});
    file.save(path);
}

}  // namespace assets
