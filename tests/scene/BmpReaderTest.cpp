// The BMP reader on files written by ImageMagick (every depth the game's data may use, the OS/2
// header, a file without its "BM" header), on hand-built variants ImageMagick does not write,
// and on damaged files, which must give a message and no image, never a crash.
#include "scene/BmpReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>

#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

namespace {
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
using Pattern = std::function<Rgb(int x, int yFromTop)>;

void writePpm(const std::string& path, int width, int height, const Pattern& pattern)
{
    const std::string header = "P6 " + std::to_string(width) + " " + std::to_string(height) + " 255\n";
    std::vector<unsigned char> bytes(header.begin(), header.end());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pattern(x, y);
            bytes.insert(bytes.end(), {static_cast<unsigned char>(c.r), static_cast<unsigned char>(c.g),
                                       static_cast<unsigned char>(c.b)});
        }
    }
    writeFile(path, bytes);
}

Rgb pixelOf(const BmpImage& image, int x, int yFromBottom)
{
    const unsigned char* p = &image.data[(static_cast<size_t>(yFromBottom) * image.width + x) * 3];
    return {p[0], p[1], p[2]};
}

// Compares the whole image with the pattern it was made from (the pattern counts rows from
// the top, the image from the bottom).
void expectPixels(const BmpImage& image, int width, int height, const Pattern& pattern)
{
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.data.size(), static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb want = pattern(x, height - 1 - y), got = pixelOf(image, x, y);
            ASSERT_EQ(got, want) << "pixel " << x << "," << y << " from the bottom";
        }
    }
}

unsigned readLittle(const std::vector<unsigned char>& bytes, size_t at, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
    return value;
}

void putLittle(std::vector<unsigned char>& bytes, size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) bytes.at(at + i) = static_cast<unsigned char>(value >> (8 * i));
}

// A bitmap with the 40-byte header built by hand, for what ImageMagick does not write.
struct HandBuilt {
    int width = 2, height = 2, bitCount = 24;
    std::uint32_t compression = 0, coloursUsed = 0;
    std::vector<std::uint32_t> masks;
    std::vector<Rgb> palette;
    std::vector<unsigned char> pixels;

    std::vector<unsigned char> bytes() const
    {
        std::vector<unsigned char> out(54, 0);
        out[0] = 'B', out[1] = 'M';
        putLittle(out, 14, 40, 4);
        putLittle(out, 18, static_cast<std::uint32_t>(width), 4);
        putLittle(out, 22, static_cast<std::uint32_t>(height), 4);
        putLittle(out, 26, 1, 2);
        putLittle(out, 28, static_cast<std::uint32_t>(bitCount), 2);
        putLittle(out, 30, compression, 4);
        putLittle(out, 46, coloursUsed, 4);
        for (std::uint32_t mask : masks) {
            out.resize(out.size() + 4);
            putLittle(out, out.size() - 4, mask, 4);
        }
        for (const Rgb& c : palette)
            out.insert(out.end(), {static_cast<unsigned char>(c.b), static_cast<unsigned char>(c.g),
                                   static_cast<unsigned char>(c.r), 0});
        putLittle(out, 10, static_cast<std::uint32_t>(out.size()), 4);
        out.insert(out.end(), pixels.begin(), pixels.end());
        putLittle(out, 2, static_cast<std::uint32_t>(out.size()), 4);
        return out;
    }
};

struct BmpReaderTest : ::testing::Test {
    void TearDown() override
    {
        for (const std::string& title : platform.titles) EXPECT_EQ(title, "Error");
    }
    std::string& lastMessage() { return platform.lastMessage; }

    // Writes the pattern as a PPM, converts it with the given ImageMagick arguments and checks
    // that the fixture really has the header size and depth the case is about.
    std::string convert(const std::string& name, int width, int height, const Pattern& pattern,
                        const std::string& arguments, unsigned headerSize, unsigned bitCount)
    {
        const std::string ppm = folder.file(name + ".ppm"), bmp = folder.file(name + ".bmp");
        writePpm(ppm, width, height, pattern);
        EXPECT_TRUE(runConvert(ppm + " " + arguments + ":" + bmp)) << arguments;
        const std::vector<unsigned char> bytes = readFile(bmp);
        EXPECT_EQ(readLittle(bytes, 14, 4), headerSize) << name;
        EXPECT_EQ(readLittle(bytes, headerSize == 12 ? 24 : 28, 2), bitCount) << name;
        return bmp;
    }

    // Records the reader's messages without printing them: the damaged-file cases make thousands.
    RecordingPlatform platform;
    TemporaryFolder folder;
};

const Pattern twoColours = [](int x, int y) { return (x + y) % 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 128}; };
const Pattern fifteenColours = [](int x, int y) { return Rgb{x * 50, y * 100, 200}; };
const Pattern fortyColours = [](int x, int y) { return Rgb{x * 20, y * 60, 7}; };
const Pattern trueColours = [](int x, int y) { return Rgb{x * 80 + 7, y * 60 + 3, 255 - x * y * 20}; };
}  // namespace

TEST_F(BmpReaderTest, ImageMagickFilesOfEveryDepthLoadWithTheirPixels)
{
    struct Case {
        const char* name;
        int width, height;
        Pattern pattern;
        const char* arguments;
        unsigned headerSize, bitCount;
    };
    const Case cases[] = {
        {"one", 5, 3, twoColours, "-type palette BMP3", 40, 1},
        {"four", 5, 3, fifteenColours, "-type palette BMP3", 40, 4},
        {"eight", 10, 4, fortyColours, "-type palette -compress None BMP3", 40, 8},
        {"eightRle", 10, 4, fortyColours, "-type palette -compress RLE BMP3", 40, 8},
        // 3 pixels of 3 bytes: every row is padded by 3 bytes in the file, not in the result.
        {"true", 3, 4, trueColours, "-type truecolor BMP3", 40, 24},
        {"os2true", 3, 4, trueColours, "-define bmp:format=bmp2 BMP2", 12, 24},
        {"os2eight", 10, 4, fortyColours, "-type palette BMP2", 12, 8},
        {"os2one", 5, 3, twoColours, "-type palette BMP2", 12, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bmp = convert(c.name, c.width, c.height, c.pattern, c.arguments, c.headerSize, c.bitCount);
        const std::optional<BmpImage> image = loadBmp(bmp);
        ASSERT_TRUE(image.has_value()) << lastMessage();
        expectPixels(*image, c.width, c.height, c.pattern);
    }
    EXPECT_EQ(lastMessage(), "");
}

TEST_F(BmpReaderTest, FilesThatStartWithTheInfoHeaderLoadToo)
{
    const std::string bmp24 = convert("true", 3, 4, trueColours, "-type truecolor BMP3", 40, 24);
    const std::string bmp8 = convert("eight", 10, 4, fortyColours, "-type palette -compress None BMP3", 40, 8);
    for (const std::string& bmp : {bmp24, bmp8}) {
        std::vector<unsigned char> bytes = readFile(bmp);
        bytes.erase(bytes.begin(), bytes.begin() + 14);
        writeFile(bmp, bytes);
    }
    const std::optional<BmpImage> trueImage = loadBmp(bmp24), paletted = loadBmp(bmp8);
    ASSERT_TRUE(trueImage && paletted) << lastMessage();
    expectPixels(*trueImage, 3, 4, trueColours);
    expectPixels(*paletted, 10, 4, fortyColours);
}

TEST_F(BmpReaderTest, RunLengthEncodedFilesLoad)
{
    const Pattern stripes = [](int x, int y) { return x < 6 ? Rgb{y * 60, 0, 0} : Rgb{0, 100, 40 + 50 * y}; };
    const std::string bmp = convert("rle", 17, 4, stripes, "-type palette -compress RLE BMP3", 40, 8);
    ASSERT_EQ(readLittle(readFile(bmp), 30, 4), 1u) << "the fixture is RLE8";
    const std::optional<BmpImage> image = loadBmp(bmp);
    ASSERT_TRUE(image.has_value()) << lastMessage();
    expectPixels(*image, 17, 4, stripes);

    // A jump leaves its pixels black; RLE4 runs alternate their two nibbles.
    HandBuilt rle4;
    rle4.width = 4, rle4.height = 2, rle4.bitCount = 4, rle4.compression = 2;
    rle4.palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}};
    rle4.pixels = {3, 0x12, 0, 0, 0, 2, 2, 0, 1, 0x20, 0, 1};
    const std::string handMade = folder.file("rle4.bmp");
    writeFile(handMade, rle4.bytes());
    const std::optional<BmpImage> nibbles = loadBmp(handMade);
    ASSERT_TRUE(nibbles.has_value()) << lastMessage();
    EXPECT_EQ(pixelOf(*nibbles, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(*nibbles, 1, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(pixelOf(*nibbles, 2, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(*nibbles, 3, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixelOf(*nibbles, 1, 1), (Rgb{0, 0, 0})) << "jumped over";
    EXPECT_EQ(pixelOf(*nibbles, 2, 1), (Rgb{0, 255, 0}));
}

TEST_F(BmpReaderTest, TopDownRowsBitFieldsAndShortPalettes)
{
    // 32 bits with masks, stored top row first: the result is still bottom row first.
    HandBuilt fields;
    fields.bitCount = 32, fields.height = -2, fields.compression = 3;
    fields.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the lowest byte
    fields.pixels = {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0, 1, 2, 3, 0};
    writeFile(folder.file("fields.bmp"), fields.bytes());
    const std::optional<BmpImage> image = loadBmp(folder.file("fields.bmp"));
    ASSERT_TRUE(image.has_value()) << lastMessage();
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(pixelOf(*image, 0, 1), (Rgb{10, 20, 30})) << "the first stored row is the top";
    EXPECT_EQ(pixelOf(*image, 1, 0), (Rgb{1, 2, 3}));

    // 16 bits without masks are 5-5-5.
    HandBuilt high;
    high.bitCount = 16, high.width = 2, high.height = 1;
    high.pixels = {0x00, 0x7C, 0x1F, 0x00};  // pure red, pure blue
    writeFile(folder.file("high.bmp"), high.bytes());
    const std::optional<BmpImage> highImage = loadBmp(folder.file("high.bmp"));
    ASSERT_TRUE(highImage.has_value()) << lastMessage();
    EXPECT_EQ(pixelOf(*highImage, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(*highImage, 1, 0), (Rgb{0, 0, 255}));

    // Indices past a two-colour table show black instead of reading past the table.
    HandBuilt shortTable;
    shortTable.bitCount = 8, shortTable.width = 2, shortTable.height = 1, shortTable.coloursUsed = 2;
    shortTable.palette = {{1, 2, 3}, {4, 5, 6}};
    shortTable.pixels = {1, 200, 0, 0};
    writeFile(folder.file("short.bmp"), shortTable.bytes());
    const std::optional<BmpImage> shortImage = loadBmp(folder.file("short.bmp"));
    ASSERT_TRUE(shortImage.has_value()) << lastMessage();
    EXPECT_EQ(pixelOf(*shortImage, 0, 0), (Rgb{4, 5, 6}));
    EXPECT_EQ(pixelOf(*shortImage, 1, 0), (Rgb{0, 0, 0}));
}

TEST_F(BmpReaderTest, EachFailureShowsItsMessageAndGivesNoImage)
{
    const std::string missing = folder.file("missing.bmp");
    EXPECT_FALSE(loadBmp(missing));
    EXPECT_EQ(lastMessage(), "Failed to open DIB file " + missing + ".\n");
    EXPECT_FALSE(loadBmp(folder.path().string())) << "a folder is no file";
    EXPECT_EQ(lastMessage(), "Failed to open DIB file " + folder.path().string() + ".\n");

    // ImageMagick's default BMP has a 108- or 124-byte header.
    const std::string modern = folder.file("modern.bmp");
    writePpm(folder.file("modern.ppm"), 2, 2, trueColours);
    ASSERT_TRUE(runConvert(folder.file("modern.ppm") + " -alpha on BMP:" + modern));
    ASSERT_GT(readLittle(readFile(modern), 14, 4), 40u);
    EXPECT_FALSE(loadBmp(modern));
    EXPECT_EQ(lastMessage(), "Unknown DIB file format.");

    HandBuilt promise;  // 2 x 2 in the header, one row in the file
    promise.pixels.assign(8, 0x40);
    writeFile(folder.file("promise.bmp"), promise.bytes());
    lastMessage().clear();
    EXPECT_FALSE(loadBmp(folder.file("promise.bmp")));
    EXPECT_EQ(lastMessage(), "Image file conversion error.");

    HandBuilt huge;  // the header asks for four gigapixels; the file holds four pixels
    huge.width = 65536, huge.height = 65536;
    huge.pixels.assign(16, 0);
    writeFile(folder.file("huge.bmp"), huge.bytes());
    EXPECT_FALSE(loadBmp(folder.file("huge.bmp")));
    EXPECT_EQ(lastMessage(), "Out of memory.");

    HandBuilt hugeRle = huge;  // run-length data could claim it fills them
    hugeRle.bitCount = 8, hugeRle.compression = 1, hugeRle.palette = {{1, 1, 1}};
    writeFile(folder.file("hugerle.bmp"), hugeRle.bytes());
    lastMessage().clear();
    EXPECT_FALSE(loadBmp(folder.file("hugerle.bmp")));
    EXPECT_EQ(lastMessage(), "Out of memory.");

    for (int bitCount : {0, 2, 64}) {
        HandBuilt odd;
        odd.bitCount = bitCount;
        odd.pixels.assign(64, 0);
        writeFile(folder.file("odd.bmp"), odd.bytes());
        lastMessage().clear();
        EXPECT_FALSE(loadBmp(folder.file("odd.bmp"))) << bitCount;
        EXPECT_EQ(lastMessage(), "Image file conversion error.") << bitCount;
    }
}

TEST_F(BmpReaderTest, CutShortAndRandomFilesNeverCrash)
{
    const std::string bmp = convert("eight", 10, 4, fortyColours, "-type palette -compress None BMP3", 40, 8);
    const std::string rle = convert("rle", 10, 4, fortyColours, "-type palette -compress RLE BMP3", 40, 8);
    const std::vector<unsigned char> whole = readFile(bmp);
    const std::string cut = folder.file("cut.bmp");
    // Rows of 10 bytes are stored as 12; the last row may lose its padding and still load.
    const size_t lastPadding = 2;
    for (const auto& [file, spare] : {std::pair{bmp, lastPadding}, std::pair{rle, size_t{0}}}) {
        const std::vector<unsigned char> bytes = readFile(file);
        for (size_t length = 0; length < bytes.size() - spare; ++length) {
            writeFile(cut, std::vector<unsigned char>(bytes.begin(), bytes.begin() + length));
            lastMessage().clear();
            ASSERT_FALSE(loadBmp(cut)) << file << " cut to " << length << " bytes";
            ASSERT_NE(lastMessage(), "") << file << " cut to " << length << " bytes";
        }
    }

    // Random bytes, and valid files with random bytes of their headers overwritten, must give
    // an image or a message: a crash or a hang fails the test run.
    std::mt19937 random(4711);
    for (int round = 0; round < 300; ++round) {
        std::vector<unsigned char> bytes;
        if (round % 2 == 0) {
            bytes.resize(random() % 2000);
            for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
            if (round % 4 == 0 && bytes.size() > 2) bytes[0] = 'B', bytes[1] = 'M';
        } else {
            bytes = whole;
            for (int i = 0; i < 4; ++i) bytes[random() % 60] = static_cast<unsigned char>(random());
        }
        writeFile(cut, bytes);
        lastMessage().clear();
        const std::optional<BmpImage> image = loadBmp(cut);
        if (image) {
            ASSERT_GT(image->width, 0);
            ASSERT_GT(image->height, 0);
            ASSERT_EQ(image->data.size(), static_cast<size_t>(image->width) * image->height * 3);
        } else {
            ASSERT_NE(lastMessage(), "") << "round " << round;
        }
    }
}
