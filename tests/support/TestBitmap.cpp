#include "tests/support/TestBitmap.h"

#include <fstream>
#include <iterator>

bool TestBitmap::load(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return error = "cannot open " + path, false;
    const std::vector<std::uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u16 = [&](size_t i) { return static_cast<unsigned>(d[i] | d[i + 1] << 8); };
    auto u32 = [&](size_t i) { return static_cast<std::uint32_t>(u16(i) | u16(i + 2) << 16); };
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') return error = path + ": no BM signature", false;
    const std::uint32_t offset = u32(10), header = u32(14);
    size_t paletteAt = 14 + header, paletteEntry = 4;
    if (header == 40) {
        if (d.size() < 54) return error = path + ": header cut short", false;
        width = static_cast<std::int32_t>(u32(18));
        height = static_cast<std::int32_t>(u32(22));
        bitsPerPixel = static_cast<int>(u16(28));
        if (u32(30) != 0) return error = path + ": compressed", false;
    } else if (header == 12) {
        width = static_cast<int>(u16(18));
        height = static_cast<int>(u16(20));
        bitsPerPixel = static_cast<int>(u16(24));
        paletteEntry = 3;
    } else {
        return error = path + ": unknown header size", false;
    }
    if (width <= 0 || height <= 0 || (bitsPerPixel != 8 && bitsPerPixel != 24))
        return error = path + ": unsupported size or depth", false;
    const size_t rowBytes = (static_cast<size_t>(width) * bitsPerPixel / 8 + 3) & ~size_t{3};
    if (offset + rowBytes * height > d.size()) return error = path + ": pixels cut short", false;
    rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    for (int row = 0; row < height; ++row) {
        const size_t start = offset + static_cast<size_t>(row) * rowBytes;
        std::uint8_t* out = &rgb[static_cast<size_t>(height - 1 - row) * width * 3];
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p;
            if (bitsPerPixel == 24) {
                p = &d[start + 3 * x];
            } else {
                // A palette may be shorter than 256 entries; every index used must be inside it.
                const size_t entry = paletteAt + paletteEntry * d[start + x];
                if (entry + 3 > offset) return error = path + ": palette index outside the palette", false;
                p = &d[entry];
            }
            out[3 * x] = p[2];
            out[3 * x + 1] = p[1];
            out[3 * x + 2] = p[0];
        }
    }
    return true;
}
