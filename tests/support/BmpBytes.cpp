#include "tests/support/BmpBytes.h"

#include "tests/support/TemporaryFolder.h"

namespace {
using Bytes = std::vector<unsigned char>;

void put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// The colour index or grey level of pixel (x, y): a pattern that uses every colour.
unsigned patternAt(int x, int y, unsigned colours) { return static_cast<unsigned>(x * 3 + y * 7) % colours; }

int channel(std::uint32_t value, std::uint32_t mask)
{
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) ++shift;
    return static_cast<int>(((value & mask) >> shift) * 255u / (mask >> shift));
}

// Run-length rows: a run, a literal stretch of three, the rest as a run of 0x21; then end of
// line, and a jump over the last row before the end of the picture.
constexpr int literal = 3;
int runOf(int width) { return width / 3; }
}  // namespace

std::vector<BmpBytes> BmpBytes::everyLayout()
{
    // Widths of 5 and 7 leave every row padded in the file and not in the image.
    return {
        {.name = "1bit", .bits = 1},
        {.name = "4bit", .bits = 4},
        {.name = "8bit", .bits = 8},
        {.name = "16bit", .bits = 16},
        {.name = "24bit", .bits = 24},
        {.name = "32bit", .bits = 32},
        {.name = "16bitFields", .bits = 16, .compression = BitFields},
        {.name = "32bitFields", .bits = 32, .compression = BitFields},
        {.name = "rle8", .width = 7, .height = 4, .bits = 8, .compression = RunLength8},
        {.name = "rle4", .width = 7, .height = 4, .bits = 4, .compression = RunLength4},
        {.name = "topDown", .bits = 24, .topDown = true},
        {.name = "topDownFields", .bits = 32, .compression = BitFields, .topDown = true},
        {.name = "core8bit", .bits = 8, .coreHeader = true},
        {.name = "core1bit", .bits = 1, .coreHeader = true},
        {.name = "core24bit", .bits = 24, .coreHeader = true},
        {.name = "headerless4bit", .bits = 4, .fileHeader = false},
        {.name = "headerless24bit", .bits = 24, .fileHeader = false},
        {.name = "shortPalette", .width = 9, .bits = 8, .paletteSize = 5},
    };
}

std::array<int, 3> BmpBytes::paletteColour(unsigned index) const
{
    const unsigned colours = 1u << bits;
    if (paletteSize >= 0 && index >= static_cast<unsigned>(paletteSize)) return {0, 0, 0};
    const int red = static_cast<int>(index * 255 / (colours - 1));
    return {red, 255 - red, static_cast<int>(index * 37 % 256)};
}

std::array<int, 3> BmpBytes::pixel(int x, int y) const
{
    if (compression == RunLength8 || compression == RunLength4) {
        if (y == height - 1) return {0, 0, 0};
        const bool four = compression == RunLength4;
        const unsigned colours = four ? 16 : 256, run = static_cast<unsigned>(runOf(width));
        const auto ux = static_cast<unsigned>(x);
        unsigned index;
        if (ux < run)
            index = four && ux % 2 == 1 ? (patternAt(0, y, colours) + 1) % 16 : patternAt(0, y, colours);
        else if (ux < run + literal)
            index = patternAt(x, y, colours);
        else
            index = four ? ((ux - run - literal) % 2 == 0 ? 2 : 1) : 0x21;
        return paletteColour(index);
    }
    const unsigned value = patternAt(x, y, 256);
    switch (bits) {
        case 16: {
            const std::uint32_t v = value * 0x0101u;
            if (compression == BitFields) return {channel(v, 0xF800), channel(v, 0x07E0), channel(v, 0x001F)};
            return {channel(v, 0x7C00), channel(v, 0x03E0), channel(v, 0x001F)};
        }
        case 24:
            return {x * 40 % 256, static_cast<int>(255 - value), static_cast<int>(value)};
        case 32:
            return {static_cast<int>(value), static_cast<int>(value), static_cast<int>(value)};
        default:
            return paletteColour(value & ((1u << bits) - 1));
    }
}

std::vector<unsigned char> BmpBytes::bytes() const
{
    const bool indexed = bits <= 8;
    const unsigned colours = indexed ? 1u << bits : 0;
    const unsigned stored = paletteSize >= 0 ? static_cast<unsigned>(paletteSize) : colours;
    Bytes table;
    for (unsigned i = 0; i < stored; ++i) {
        const std::array<int, 3> c = paletteColour(i);
        table.insert(table.end(), {static_cast<unsigned char>(c[2]), static_cast<unsigned char>(c[1]),
                                   static_cast<unsigned char>(c[0])});
        if (!coreHeader) table.push_back(0);
    }
    if (compression == BitFields) {
        if (bits == 16)
            put32(table, 0xF800), put32(table, 0x07E0), put32(table, 0x001F);
        else
            put32(table, 0x00FF0000), put32(table, 0x0000FF00), put32(table, 0x000000FF);
    }
    Bytes pixels;
    if (compression == RunLength8 || compression == RunLength4) {
        const bool four = compression == RunLength4;
        const unsigned palette = four ? 16 : 256;
        for (int y = 0; y + 1 < height; ++y) {
            const int run = runOf(width);
            const unsigned value = patternAt(0, y, palette);
            pixels.insert(pixels.end(), {static_cast<unsigned char>(run),
                                         static_cast<unsigned char>(four ? value << 4 | (value + 1) % 16 : value)});
            pixels.insert(pixels.end(), {0, static_cast<unsigned char>(literal)});
            Bytes data;
            for (int i = 0; i < literal; ++i) {
                const unsigned v = patternAt(run + i, y, palette);
                if (!four)
                    data.push_back(static_cast<unsigned char>(v));
                else if (i % 2 == 0)
                    data.push_back(static_cast<unsigned char>(v << 4));
                else
                    data.back() |= static_cast<unsigned char>(v);
            }
            if (data.size() % 2 != 0) data.push_back(0);
            pixels.insert(pixels.end(), data.begin(), data.end());
            const int rest = width - run - literal;
            if (rest > 0) pixels.insert(pixels.end(), {static_cast<unsigned char>(rest), 0x21});
            pixels.insert(pixels.end(), {0, 0});
        }
        pixels.insert(pixels.end(), {0, 2, 1, 1, 0, 1});  // a jump, then the end of the picture
    } else {
        for (int fileRow = 0; fileRow < height; ++fileRow) {
            const int y = topDown ? height - 1 - fileRow : fileRow;
            Bytes row;
            unsigned bitsUsed = 0, byte = 0;
            for (int x = 0; x < width; ++x) {
                const unsigned value = patternAt(x, y, 256);
                if (bits <= 8) {
                    byte = byte << bits | (value & ((1u << bits) - 1));
                    bitsUsed += bits;
                    if (bitsUsed == 8) row.push_back(static_cast<unsigned char>(byte)), bitsUsed = 0, byte = 0;
                } else if (bits == 16) {
                    put16(row, value * 0x0101u);
                } else if (bits == 24) {
                    row.insert(row.end(), {static_cast<unsigned char>(value), static_cast<unsigned char>(255 - value),
                                           static_cast<unsigned char>(x * 40)});
                } else {
                    put32(row, value * 0x01010101u);
                }
            }
            if (bitsUsed > 0) row.push_back(static_cast<unsigned char>(byte << (8 - bitsUsed)));
            while (row.size() % 4 != 0) row.push_back(0);
            pixels.insert(pixels.end(), row.begin(), row.end());
        }
    }

    Bytes header;
    if (coreHeader) {
        put32(header, 12);
        put16(header, static_cast<std::uint32_t>(width));
        put16(header, static_cast<std::uint32_t>(height));
        put16(header, 1);
        put16(header, static_cast<std::uint32_t>(bits));
    } else {
        put32(header, 40);
        put32(header, static_cast<std::uint32_t>(width));
        put32(header, static_cast<std::uint32_t>(topDown ? -height : height));
        put16(header, 1);
        put16(header, static_cast<std::uint32_t>(bits));
        put32(header, compression);
        put32(header, static_cast<std::uint32_t>(pixels.size()));
        put32(header, 2835);
        put32(header, 2835);
        put32(header, stored);
        put32(header, 0);
    }
    Bytes file;
    const auto pixelOffset = static_cast<std::uint32_t>(14 + header.size() + table.size());
    if (fileHeader) {
        file = {'B', 'M'};
        put32(file, static_cast<std::uint32_t>(pixelOffset + pixels.size()));
        put32(file, 0);
        put32(file, pixelOffset);
    }
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), table.begin(), table.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

void BmpBytes::write(const std::string& path) const { writeFile(path, bytes()); }
