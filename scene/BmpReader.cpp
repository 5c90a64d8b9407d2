#include "scene/BmpReader.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>

#include "scene/Platform.h"

namespace {
const char* const unknownFormat = "Unknown DIB file format.";
const char* const conversionError = "Image file conversion error.";
const char* const outOfMemory = "Out of memory.";

constexpr std::uint64_t fileHeaderSize = 14;
constexpr std::uint32_t coreHeaderSize = 12;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint64_t bitFieldMasksSize = 12;
// A file this large cannot hold a picture within maxBmpPixels (32 bits per pixel, a full
// palette and headers), so it is refused before it is read.
constexpr std::uint64_t maxFileSize = static_cast<std::uint64_t>(maxBmpPixels) * 4 + (1 << 20);

enum Compression : std::uint32_t { Uncompressed = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3 };

// Thrown inside the reader only; loadBmp turns it into the message for the player.
struct Failure {
    const char* message;
};

[[noreturn]] void fail(const char* message)
{
    throw Failure{message};
}

struct Rgb {
    unsigned char red = 0, green = 0, blue = 0;
};

// Little-endian reads that fail instead of reading past the end.
class Bytes {
public:
    explicit Bytes(const std::vector<unsigned char>& data) : data_(data) {}
    std::uint64_t size() const { return data_.size(); }
    bool holds(std::uint64_t at, std::uint64_t count) const { return at <= size() && count <= size() - at; }
    unsigned char u8(std::uint64_t at, const char* failure) const
    {
        if (!holds(at, 1)) fail(failure);
        return data_[at];
    }
    std::uint32_t u16(std::uint64_t at, const char* failure) const
    {
        return u8(at, failure) | static_cast<std::uint32_t>(u8(at + 1, failure)) << 8;
    }
    std::uint32_t u32(std::uint64_t at, const char* failure) const
    {
        return u16(at, failure) | u16(at + 2, failure) << 16;
    }
    std::int32_t i32(std::uint64_t at, const char* failure) const
    {
        return static_cast<std::int32_t>(u32(at, failure));
    }

private:
    const std::vector<unsigned char>& data_;
};

// One channel of a bit-field pixel, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t maximum = 0;

    explicit Channel(std::uint32_t bits = 0) : mask(bits)
    {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        maximum = mask >> shift;
    }
    unsigned char of(std::uint32_t pixel) const
    {
        if (maximum == 0) return 0;
        return static_cast<unsigned char>(((pixel & mask) >> shift) * 255u / maximum);
    }
};

struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: top row first
    int bitCount = 0;
    std::uint32_t compression = Uncompressed;
    std::uint64_t imageSize = 0;  // as the header states it; 0 is allowed for uncompressed data
    std::uint64_t pixelOffset = 0;
    std::vector<Rgb> palette;
    Channel red, green, blue;

    std::int64_t rows() const { return height < 0 ? -height : height; }
    bool topDown() const { return height < 0; }
};

std::vector<unsigned char> readWholeFile(const std::string& path, bool& opened)
{
    opened = false;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff size = in.tellg();
    if (size < 0) return {};
    if (static_cast<std::uint64_t>(size) > maxFileSize) fail(outOfMemory);
    std::vector<unsigned char> data(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(data.data()), size)) return {};
    opened = true;
    return data;
}

bool supportedCombination(const Layout& layout)
{
    switch (layout.compression) {
        case Uncompressed:
            return layout.bitCount == 1 || layout.bitCount == 4 || layout.bitCount == 8 || layout.bitCount == 16 ||
                   layout.bitCount == 24 || layout.bitCount == 32;
        case RunLength8:
            return layout.bitCount == 8 && !layout.topDown();
        case RunLength4:
            return layout.bitCount == 4 && !layout.topDown();
        case BitFields:
            return layout.bitCount == 16 || layout.bitCount == 32;
        default:
            return false;
    }
}

Layout readLayout(const Bytes& bytes)
{
    const bool hasFileHeader =
        bytes.size() >= 2 && bytes.u8(0, unknownFormat) == 'B' && bytes.u8(1, unknownFormat) == 'M';
    const std::uint64_t header = hasFileHeader ? fileHeaderSize : 0;
    const std::uint32_t headerSize = bytes.u32(header, unknownFormat);
    if (headerSize != coreHeaderSize && headerSize != infoHeaderSize) fail(unknownFormat);
    if (!bytes.holds(header, headerSize)) fail(unknownFormat);

    Layout layout;
    std::uint64_t declaredColours = 0;
    std::uint64_t tableStart = header + headerSize;
    std::uint64_t entrySize = 4;
    if (headerSize == coreHeaderSize) {
        layout.width = bytes.u16(header + 4, unknownFormat);
        layout.height = bytes.u16(header + 6, unknownFormat);
        layout.bitCount = static_cast<int>(bytes.u16(header + 10, unknownFormat));
        entrySize = 3;
    } else {
        layout.width = bytes.i32(header + 4, unknownFormat);
        layout.height = bytes.i32(header + 8, unknownFormat);
        layout.bitCount = static_cast<int>(bytes.u16(header + 14, unknownFormat));
        layout.compression = bytes.u32(header + 16, unknownFormat);
        layout.imageSize = bytes.u32(header + 20, unknownFormat);
        declaredColours = bytes.u32(header + 32, unknownFormat);
    }
    if (layout.width <= 0 || layout.height == 0 || !supportedCombination(layout)) fail(conversionError);
    if (layout.width * layout.rows() > maxBmpPixels) fail(outOfMemory);

    if (layout.compression == BitFields) {
        layout.red = Channel(bytes.u32(tableStart, conversionError));
        layout.green = Channel(bytes.u32(tableStart + 4, conversionError));
        layout.blue = Channel(bytes.u32(tableStart + 8, conversionError));
        tableStart += bitFieldMasksSize;
    } else if (layout.bitCount == 16) {
        layout.red = Channel(0x7C00), layout.green = Channel(0x03E0), layout.blue = Channel(0x001F);
    } else if (layout.bitCount == 32) {
        layout.red = Channel(0xFF0000), layout.green = Channel(0xFF00), layout.blue = Channel(0xFF);
    }

    const std::uint64_t indexRange = layout.bitCount <= 8 ? (1u << layout.bitCount) : 0;
    if (declaredColours == 0) declaredColours = indexRange;
    if (hasFileHeader) {
        layout.pixelOffset = bytes.u32(10, unknownFormat);
    } else {
        layout.pixelOffset = tableStart + declaredColours * entrySize;
    }
    // The colour table ends where the pixels begin (a writer may store fewer entries than the
    // header claims) and never holds more entries than the indices can reach.
    const std::uint64_t tableEnd = layout.pixelOffset > tableStart ? layout.pixelOffset : bytes.size();
    std::uint64_t entries = std::min(declaredColours, indexRange);
    if (tableEnd > tableStart)
        entries = std::min(entries, (tableEnd - tableStart) / entrySize);
    else
        entries = 0;
    if (!bytes.holds(tableStart, entries * entrySize)) fail(conversionError);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t at = tableStart + i * entrySize;
        layout.palette.push_back(
            {bytes.u8(at + 2, conversionError), bytes.u8(at + 1, conversionError), bytes.u8(at, conversionError)});
    }
    if (layout.pixelOffset > bytes.size()) fail(conversionError);
    return layout;
}

class Picture {
public:
    explicit Picture(const Layout& layout) : layout_(layout)
    {
        image_.width = static_cast<int>(layout.width);
        image_.height = static_cast<int>(layout.rows());
        image_.data.assign(static_cast<std::size_t>(layout.width * layout.rows() * 3), 0);
    }

    // Row 0 is the bottom row; pixels outside the picture are dropped.
    void put(std::int64_t x, std::int64_t row, Rgb colour)
    {
        if (x < 0 || x >= layout_.width || row < 0 || row >= layout_.rows()) return;
        unsigned char* pixel = &image_.data[static_cast<std::size_t>((row * layout_.width + x) * 3)];
        pixel[0] = colour.red;
        pixel[1] = colour.green;
        pixel[2] = colour.blue;
    }
    void putIndex(std::int64_t x, std::int64_t row, unsigned index)
    {
        // An index past the stored colours shows black rather than reading past the table.
        put(x, row, index < layout_.palette.size() ? layout_.palette[index] : Rgb{});
    }
    BmpImage take() { return std::move(image_); }

private:
    const Layout& layout_;
    BmpImage image_;
};

void decodeUncompressed(const Bytes& bytes, const Layout& layout, Picture& picture)
{
    const std::uint64_t rowBits = static_cast<std::uint64_t>(layout.width) * layout.bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The last row needs no padding: some writers leave it off.
    const std::uint64_t needed = stride * (layout.rows() - 1) + (rowBits + 7) / 8;
    if (!bytes.holds(layout.pixelOffset, needed)) fail(conversionError);
    for (std::int64_t fileRow = 0; fileRow < layout.rows(); ++fileRow) {
        const std::int64_t row = layout.topDown() ? layout.rows() - 1 - fileRow : fileRow;
        const std::uint64_t start = layout.pixelOffset + fileRow * stride;
        for (std::int64_t x = 0; x < layout.width; ++x) {
            switch (layout.bitCount) {
                case 1:
                case 4:
                case 8: {
                    const std::uint64_t bit = x * layout.bitCount;
                    const unsigned byte = bytes.u8(start + bit / 8, conversionError);
                    const unsigned shift = 8 - layout.bitCount - bit % 8;
                    picture.putIndex(x, row, (byte >> shift) & ((1u << layout.bitCount) - 1));
                    break;
                }
                case 16: {
                    const std::uint32_t value = bytes.u16(start + x * 2, conversionError);
                    picture.put(x, row, {layout.red.of(value), layout.green.of(value), layout.blue.of(value)});
                    break;
                }
                case 24: {
                    const std::uint64_t at = start + x * 3;
                    picture.put(x, row,
                                {bytes.u8(at + 2, conversionError), bytes.u8(at + 1, conversionError),
                                 bytes.u8(at, conversionError)});
                    break;
                }
                case 32: {
                    const std::uint32_t value = bytes.u32(start + x * 4, conversionError);
                    picture.put(x, row, {layout.red.of(value), layout.green.of(value), layout.blue.of(value)});
                    break;
                }
            }
        }
    }
}

// Run-length data: pairs of (count, value) and escapes for end of line, end of picture,
// a jump, and literal runs padded to 16 bits. Skipped pixels stay black. Data that stops
// before its end marker and before the last row means the file was cut short.
void decodeRunLength(const Bytes& bytes, const Layout& layout, Picture& picture)
{
    if (!bytes.holds(layout.pixelOffset, layout.imageSize)) fail(conversionError);
    const bool fourBits = layout.compression == RunLength4;
    std::uint64_t at = layout.pixelOffset;
    std::int64_t x = 0, row = 0;
    while (row < layout.rows()) {
        if (!bytes.holds(at, 2)) fail(conversionError);
        const unsigned count = bytes.u8(at, conversionError);
        const unsigned value = bytes.u8(at + 1, conversionError);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i, ++x)
                picture.putIndex(x, row, fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            x += bytes.u8(at, conversionError);
            row += bytes.u8(at + 1, conversionError);
            at += 2;
        } else {
            const std::uint64_t dataBytes = fourBits ? (value + 1) / 2 : value;
            if (!bytes.holds(at, dataBytes)) fail(conversionError);
            for (unsigned i = 0; i < value; ++i, ++x) {
                const unsigned byte = bytes.u8(at + (fourBits ? i / 2 : i), conversionError);
                picture.putIndex(x, row, fourBits ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
            }
            at += dataBytes + dataBytes % 2;
        }
    }
}
}  // namespace

std::optional<BmpImage> loadBmp(const std::string& path)
{
    try {
        bool opened = false;
        const std::vector<unsigned char> data = readWholeFile(path, opened);
        if (!opened) {
            Platform::get().showMessage("Error", "Failed to open DIB file " + path + ".\n");
            return std::nullopt;
        }
        const Bytes bytes(data);
        const Layout layout = readLayout(bytes);
        Picture picture(layout);
        if (layout.compression == RunLength8 || layout.compression == RunLength4)
            decodeRunLength(bytes, layout, picture);
        else
            decodeUncompressed(bytes, layout, picture);
        return picture.take();
    } catch (const Failure& failure) {
        Platform::get().showMessage("Error", failure.message);
    } catch (const std::bad_alloc&) {
        Platform::get().showMessage("Error", outOfMemory);
    }
    return std::nullopt;
}

unsigned loadTexture(const std::string& name)
{
    const std::string path = "models/" + name;
    // A missing texture is no error worth a message: the model is drawn untextured.
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) return 0;
    std::fclose(file);
    const std::optional<BmpImage> image = loadBmp(path);
    if (!image) return 0;

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // Our rows carry no padding; with GL's default alignment of 4 a width such as 3 would
    // make GL read past the end of every row and of the array.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->data.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}
