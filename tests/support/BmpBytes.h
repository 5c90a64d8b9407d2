#pragma once
// BmpBytes: writes small BMP files for tests and fuzz seeds, in every layout the game's reader
// knows (1 to 32 bits, run-length 4 and 8, bit fields, top-down rows, the 12-byte OS/2 header,
// with or without the "BM" file header), from a pattern that uses every colour. pixel() says
// what each pixel must read as, worked out from the format on the writer's side.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct BmpBytes {
    enum Compression : std::uint32_t { Plain = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3 };

    const char* name = "";  // of the layout, for test and seed file names
    int width = 5, height = 3;
    int bits = 24;
    std::uint32_t compression = Plain;
    bool topDown = false;
    bool coreHeader = false;  // the 12-byte OS/2 header
    bool fileHeader = true;   // the 14-byte "BM" header
    int paletteSize = -1;     // stored colour table entries; -1: as many as the indices reach

    // One picture of each layout, named.
    static std::vector<BmpBytes> everyLayout();

    std::vector<unsigned char> bytes() const;
    void write(const std::string& path) const;
    // The RGB the reader must give for pixel (x, y), y from the bottom row (a run-length
    // picture ends with a jump over its last row, which stays black).
    std::array<int, 3> pixel(int x, int y) const;
    // Entry `index` of the colour table, black past the stored entries.
    std::array<int, 3> paletteColour(unsigned index) const;
};
