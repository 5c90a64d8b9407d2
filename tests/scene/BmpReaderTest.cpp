// The BMP reader on every layout BmpBytes writes, and on damaged files: a message, never a crash.
#include "scene/BmpReader.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/BmpBytes.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

namespace {
using Bytes = std::vector<unsigned char>;

struct BmpReaderTest : ::testing::Test {
    // Records the reader's messages without printing them: the cut files make hundreds.
    RecordingPlatform platform;
    TemporaryFolder folder;
};

struct Format {
    const char* name;
    BmpBytes layout;
};
void PrintTo(const Format& format, std::ostream* out) { *out << format.name; }

struct BmpFormatTest : BmpReaderTest, ::testing::WithParamInterface<Format> {};

TEST_P(BmpFormatTest, EveryPixelReadsAsWritten)
{
    const BmpBytes& layout = GetParam().layout;
    layout.write(folder.file("picture.bmp"));
    const std::optional<BmpImage> image = loadBmp(folder.file("picture.bmp"));
    ASSERT_TRUE(image.has_value()) << platform.lastMessage;
    ASSERT_EQ(image->width, layout.width);
    ASSERT_EQ(image->height, layout.height);
    ASSERT_EQ(image->data.size(), static_cast<std::size_t>(layout.width) * layout.height * 3);
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x) {
            const unsigned char* p = &image->data[(static_cast<std::size_t>(y) * layout.width + x) * 3];
            ASSERT_EQ((std::array<int, 3>{p[0], p[1], p[2]}), layout.pixel(x, y))
                << x << "," << y << " from the bottom";
        }
}

// Widths of 5 and 7 leave every row padded in the file and not in the image.
INSTANTIATE_TEST_SUITE_P(
    Layouts, BmpFormatTest,
    ::testing::Values(Format{"1bit", {.bits = 1}}, Format{"4bit", {.bits = 4}}, Format{"8bit", {.bits = 8}},
                      Format{"16bit", {.bits = 16}}, Format{"24bit", {.bits = 24}}, Format{"32bit", {.bits = 32}},
                      Format{"16bitFields", {.bits = 16, .compression = BmpBytes::BitFields}},
                      Format{"32bitFields", {.bits = 32, .compression = BmpBytes::BitFields}},
                      Format{"rle8", {.width = 7, .height = 4, .bits = 8, .compression = BmpBytes::RunLength8}},
                      Format{"rle4", {.width = 7, .height = 4, .bits = 4, .compression = BmpBytes::RunLength4}},
                      Format{"topDown", {.bits = 24, .topDown = true}},
                      Format{"topDownFields", {.bits = 32, .compression = BmpBytes::BitFields, .topDown = true}},
                      Format{"core8bit", {.bits = 8, .coreHeader = true}},
                      Format{"core1bit", {.bits = 1, .coreHeader = true}},
                      Format{"core24bit", {.bits = 24, .coreHeader = true}},
                      Format{"headerless4bit", {.bits = 4, .fileHeader = false}},
                      Format{"headerless24bit", {.bits = 24, .fileHeader = false}},
                      Format{"shortPalette", {.width = 9, .bits = 8, .paletteSize = 5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BmpReaderTest, DamagedAndCutShortFilesGiveTheirMessageAndNoImage)
{
    constexpr BmpBytes runLength{.bits = 8, .compression = BmpBytes::RunLength8};
    // Header fields overwritten: (offset, value, size) in the file.
    struct Patch {
        std::size_t at;
        std::uint32_t value;
        int size;
    };
    const struct {
        BmpBytes layout;
        std::vector<Patch> patches;
        std::size_t cut;
        const char* message;
    } cases[] = {
        {{}, {{14, 108, 4}}, 0, "Unknown DIB file format."},  // a modern header
        {{.width = 2, .height = 2}, {}, 8, "Image file conversion error."},
        {{}, {{18, 65536, 4}, {22, 65536, 4}}, 0, "Out of memory."},
        {runLength, {{18, 65536, 4}, {22, 65536, 4}}, 0, "Out of memory."},
        {{}, {{28, 0, 2}}, 0, "Image file conversion error."},
        {{}, {{28, 2, 2}}, 0, "Image file conversion error."},
        {{}, {{28, 64, 2}}, 0, "Image file conversion error."},
        {runLength, {{22, static_cast<std::uint32_t>(-3), 4}}, 0, "Image file conversion error."},  // top-down
    };
    for (const auto& c : cases) {
        Bytes bytes = c.layout.bytes();
        for (const Patch& p : c.patches)
            for (int i = 0; i < p.size; ++i) bytes.at(p.at + i) = static_cast<unsigned char>(p.value >> (8 * i));
        bytes.resize(bytes.size() - c.cut);
        writeFile(folder.file("damaged.bmp"), bytes);
        EXPECT_FALSE(loadBmp(folder.file("damaged.bmp"))) << c.message;
        EXPECT_EQ(platform.lastMessage, c.message);
    }
    for (const std::string& path : {folder.file("missing.bmp"), folder.path().string()}) {
        EXPECT_FALSE(loadBmp(path));
        EXPECT_EQ(platform.lastMessage, "Failed to open DIB file " + path + ".\n");
    }

    // Every cut-short file gives a message. Rows of 10 bytes are stored as 12; the last row may lose its padding and
    // still load.
    for (const auto& [layout, spare] :
         {std::pair{BmpBytes{.width = 10, .height = 4, .bits = 8}, std::size_t{2}},
          std::pair{BmpBytes{.width = 10, .height = 4, .bits = 8, .compression = BmpBytes::RunLength8},
                    std::size_t{0}}}) {
        const Bytes bytes = layout.bytes();
        for (std::size_t length = 0; length < bytes.size() - spare; ++length) {
            writeFile(folder.file("cut.bmp"), Bytes(bytes.begin(), bytes.begin() + length));
            platform.lastMessage.clear();
            ASSERT_FALSE(loadBmp(folder.file("cut.bmp"))) << layout.compression << " cut to " << length;
            ASSERT_NE(platform.lastMessage, "") << layout.compression << " cut to " << length;
        }
    }
}
}  // namespace
