// The BMP reader on every layout BmpBytes writes, and on damaged files: a message, never a crash.
#include "scene/BmpReader.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/BmpBytes.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

void PrintTo(const BmpBytes& layout, std::ostream* out) { *out << layout.name; }

namespace {
using Bytes = std::vector<unsigned char>;

struct BmpReaderTest : ::testing::Test {
    // Records the reader's messages without printing them: the cut files make hundreds.
    RecordingPlatform platform;
    TemporaryFolder folder;
};

struct BmpFormatTest : BmpReaderTest, ::testing::WithParamInterface<BmpBytes> {};

TEST_P(BmpFormatTest, EveryPixelReadsAsWritten)
{
    const BmpBytes& layout = GetParam();
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

INSTANTIATE_TEST_SUITE_P(Layouts, BmpFormatTest, ::testing::ValuesIn(BmpBytes::everyLayout()),
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
