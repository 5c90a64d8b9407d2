#include "tools/common/BmpFile.h"

#include "tools/common/ByteWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace assets {

namespace {
constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;

void writeHeaders(ByteWriter& out, int width, int height, int bitsPerPixel, int paletteEntries, int rowBytes)
{
    const std::uint32_t pixelOffset = fileHeaderSize + infoHeaderSize + paletteEntries * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes) * height;
    out.bytes("BM", 2);
    out.u32(pixelOffset + imageSize);
    out.u32(0);
    out.u32(pixelOffset);
    out.u32(infoHeaderSize);
    out.i32(width);
    out.i32(height);  // positive: bottom row first
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(bitsPerPixel));
    out.u32(0);  // no compression
    out.u32(imageSize);
    out.i32(2835);  // 72 dpi, for viewers that care
    out.i32(2835);
    out.u32(static_cast<std::uint32_t>(paletteEntries));
    out.u32(0);
}

}  // namespace

void BmpFile::write24(const std::string& path, const Image& image)
{
    const int w = image.width(), h = image.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    ByteWriter out;
    writeHeaders(out, w, h, 24, 0, rowBytes);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb& c = image.at(x, y);
            out.u8(toByte(c.b));
            out.u8(toByte(c.g));
            out.u8(toByte(c.r));
        }
        for (int pad = w * 3; pad < rowBytes; ++pad) out.u8(0);
    }
    out.save(path);
}

void BmpFile::write8(const std::string& path, int width, int height, const std::vector<std::uint8_t>& indices,
                     const std::array<Rgb, 256>& palette)
{
    if (indices.size() != static_cast<size_t>(width) * height) throw std::runtime_error("BMP index count mismatch");
    const int rowBytes = (width + 3) & ~3;
    ByteWriter out;
    writeHeaders(out, width, height, 8, 256, rowBytes);
    for (const Rgb& c : palette) {
        out.u8(toByte(c.b));
        out.u8(toByte(c.g));
        out.u8(toByte(c.r));
        out.u8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) out.u8(indices[static_cast<size_t>(y) * width + x]);
        for (int pad = width; pad < rowBytes; ++pad) out.u8(0);
    }
    out.save(path);
}

void BmpFile::write8Grey(const std::string& path, const Image& image)
{
    std::array<Rgb, 256> palette{};
    for (int i = 0; i < 256; ++i) palette[i] = Rgb{i / 255.0f, i / 255.0f, i / 255.0f};
    std::vector<std::uint8_t> indices(static_cast<size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) indices[static_cast<size_t>(y) * image.width() + x] = toByte(image.at(x, y).r);
    write8(path, image.width(), image.height(), indices, palette);
}

bool BmpFile::read(const std::string& path, Image& image, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u32 = [&](size_t at) {
        return static_cast<std::uint32_t>(data[at] | data[at + 1] << 8 | data[at + 2] << 16 | data[at + 3] << 24);
    };
    auto u16 = [&](size_t at) { return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8); };
    if (data.size() < fileHeaderSize + infoHeaderSize || data[0] != 'B' || data[1] != 'M') {
        error = path + ": not a BMP file";
        return false;
    }
    const std::uint32_t pixelOffset = u32(10);
    const int width = static_cast<int>(u32(18));
    const int height = static_cast<int>(u32(22));
    const int bits = u16(28);
    if (u32(14) != infoHeaderSize || u32(30) != 0 || width <= 0 || height <= 0 || (bits != 8 && bits != 24)) {
        error = path + ": unsupported BMP layout";
        return false;
    }
    const int rowBytes = (width * bits / 8 + 3) & ~3;
    if (pixelOffset + static_cast<size_t>(rowBytes) * height > data.size()) {
        error = path + ": pixel data cut short";
        return false;
    }
    image = Image(width, height);
    const size_t palette = fileHeaderSize + infoHeaderSize;
    for (int row = 0; row < height; ++row) {
        const size_t start = pixelOffset + static_cast<size_t>(row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = bits == 24 ? &data[start + 3 * x] : &data[palette + 4 * data[start + x]];
            image.at(x, height - 1 - row) = Rgb{p[2] / 255.0f, p[1] / 255.0f, p[0] / 255.0f};
        }
    }
    return true;
}

}  // namespace assets
