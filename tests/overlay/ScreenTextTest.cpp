// Text laid out without drawing: lines, widths, anchors, fields, gliders, fonts, message boxes.
#include <gtest/gtest.h>

#include "overlay/MessageBox.h"
#include "overlay/ScreenTextGlider.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/Expect.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/TemporaryFolder.h"

namespace {
using Lines = std::vector<std::string>;

// One-pixel cells, inked for every code but 0 and the space: each inked glyph is a cell wide.
struct ScreenTextTest : ::testing::Test {
    void SetUp() override
    {
        std::vector<unsigned char> rgb(16 * 16 * 3, 0);
        for (int code = 1; code < 256; ++code)
            if (code != ' ') rgb[((15 - code / 16) * 16 + code % 16) * 3] = 1;
        GlyphSet::fromImage("unit", 16, 16, rgb);
    }
};
}  // namespace

TEST(TextLinesTest, BreaksAreLineFeedsOrCarriageReturnLineFeedsAndTheMessageBoxBreaksToFit)
{
    // A trailing break adds no line; a lone carriage return is a character.
    const std::pair<std::string, Lines> split[] = {
        {"a\n\nb", {"a", "", "b"}},     {"a\n", {"a"}},         {"a\n\n", {"a", ""}},       {"", {}},
        {"one\r\ntwo", {"one", "two"}}, {"a\rb\r", {"a\rb\r"}}, {"a\r\r\nb", {"a\r", "b"}},
    };
    for (const auto& [text, lines] : split) EXPECT_EQ(ScreenTextPoint::splitLines(text), lines) << text;

    // Between words to fit, and inside a word only when it must.
    const MessageBox::Measure letters = [](const std::string& line) { return static_cast<double>(line.size()); };
    const std::pair<std::string, Lines> wrapped[] = {
        {"short", {"short"}},
        {"the file is damaged", {"the file", "is", "damaged"}},
        {"a  b\n\nc", {"a b", "", "c"}},
        {"models/sky.bmp is bad", {"models/s", "ky.bmp", "is bad"}},
    };
    for (const auto& [text, lines] : wrapped) EXPECT_EQ(MessageBox::wrap(text, 8, letters), lines) << text;
    MessageBox box;
    box.show("Error", std::string(400, 'x'));
    EXPECT_GT(box.text().getLines().size(), 3u);
    EXPECT_LE(box.text().getWidth(), box.panel().getWidth());
    EXPECT_LT(box.panel().getY(), box.text().getY() - box.text().getHeight());
}

TEST_F(ScreenTextTest, WidthsComeFromTheGlyphMarginsAndHeightsFromTheLineCount)
{
    // Glyphs are a cell wide with a tenth of a cell between them and at each end; a space is a
    // fifth of a cell, a tab one and a half, an empty cell nothing; the widest line counts.
    const std::pair<std::string, double> widths[] = {
        {"ab\nabcd", 0.5 + 4}, {"a b", 0.4 + 2.2}, {"a\tb", 0.4 + 3.5}, {std::string("a\0b", 3), 0.4 + 2}, {"", 0},
    };
    ScreenTextPoint text("unit", "ab\r\nabcd\n");
    EXPECT_EQ(text.getText(), "ab\nabcd");
    text.setSize(0.5);
    EXPECT_DOUBLE_EQ(text.getHeight(), 0.5 * 2.1);
    for (const auto& [line, width] : widths) {
        text.setText(line);
        EXPECT_NEAR(text.getWidth(), 0.5 * width, 1e-6) << line;
    }
    EXPECT_DOUBLE_EQ(text.getHeight(), -0.05);
    EXPECT_DOUBLE_EQ(Font("unit", Color()).lineWidth(""), 0.1 * Font::defaultSize);
}

TEST_F(ScreenTextTest, EachAnchorCodePutsItsPointOfTheBlockOnTheAnchor)
{
    ScreenTextPoint text("unit", "abcd\nab");
    text.setPosition(0.5, 0.5);
    const double widths[2] = {0.1 * 4.5, 0.1 * 2.3};
    const double top = 0.4, middle = 0.505, bottom = 0.61;  // the first line's cell bottom
    const double firstY[3] = {top, middle, bottom}, shift[3] = {0.0, 0.5, 1.0};
    for (int code = 0; code < 9; ++code) {
        text.setAlignment(code);
        for (int line = 0; line < 2; ++line) {
            // Each line is centred or right-aligned by its own width.
            EXPECT_NEAR(text.lineOrigin(line).x, 0.5 - shift[code % 3] * widths[line], 1e-12) << code;
            EXPECT_NEAR(text.lineOrigin(line).y, firstY[code / 3] - 0.11 * line, 1e-12) << code;
        }
    }
}

TEST_F(ScreenTextTest, AFieldPlacesItsTextByTheAnchorCode)
{
    ScreenTextField field("unit", 0.2, 0.1, 0.6, 0.4, "text");
    const double xs[3] = {0.2, 0.5, 0.8}, ys[3] = {0.5, 0.3, 0.1};
    for (int code = 0; code < 9; ++code) {
        field.setAlignment(code);
        EXPECT_NEAR(field.getX(), xs[code % 3], 1e-12) << code;
        EXPECT_NEAR(field.getY(), ys[code / 3], 1e-12) << code;
    }
    field.setAlignment(ScreenTextPoint::Center);
    field.setPosition(0, 0);  // moves the rectangle, not the anchor
    EXPECT_NEAR(field.getX(), 0.3, 1e-12);
    field.setFieldSize(1, 1);
    field.setFieldBottom(0.5);
    EXPECT_NEAR(field.getX(), 0.5, 1e-12);
    EXPECT_NEAR(field.getY(), 1.0, 1e-12);
}

TEST_F(ScreenTextTest, TheGliderRisesFromBelowItsFieldAndStartsAgainAfterItsTextHeight)
{
    ScreenTextGlider glider("unit", 0.2, 0.0, 1.0, 0.8, "one\ntwo");
    const double height = 0.21;
    EXPECT_DOUBLE_EQ(glider.getGlidePosition(), -0.8);
    glider.calculateAlways({10.0, 10.0});  // 0.1 per second
    EXPECT_NEAR(glider.getGlidePosition(), 0.2, 1e-12);
    glider.calculateAlways({10.2, 0.2});  // passes the text height: one field and text lower
    EXPECT_NEAR(glider.getGlidePosition(), 0.22 - (height + 0.8), 1e-12);

    glider.setText("a\nb\nc\nd");          // the limit follows the text
    glider.calculateAlways({1000, 1000});  // a stalled window: still inside one period
    EXPECT_GE(glider.getGlidePosition(), -0.8);
    EXPECT_LE(glider.getGlidePosition(), 0.43);

    ScreenTextGlider empty("unit", 0, 0, 1, 0, "");  // nothing to scroll: it waits
    empty.calculateAlways({1, 1});
    EXPECT_EQ(empty.getGlidePosition(), 0.0);
}

TEST(GlyphSetTest, MarginsAreTheEmptyColumnsOfEachCellOfASquarePowerOfTwoBitmap)
{
    // Four-pixel cells: 'A' has ink in columns 1 and 2 of its cell, code 0xFF (bottom right)
    // only in its last column, code 0x80 none.
    std::vector<unsigned char> rgb(64 * 64 * 3, 0);
    const auto ink = [&](int code, int column, int row) {
        rgb[((63 - (code / 16 * 4 + row)) * 64 + code % 16 * 4 + column) * 3] = 1;
    };
    ink('A', 1, 0);
    ink('A', 2, 3);
    ink(0xFF, 3, 2);
    const GlyphSet& fourPixel = GlyphSet::fromImage("margins-4px", 64, 64, rgb);
    EXPECT_EQ(fourPixel.leftMargin('A'), 0.25f);
    EXPECT_EQ(fourPixel.rightMargin('A'), 0.25f);
    EXPECT_EQ(fourPixel.leftMargin(0xFF), 0.75f);
    EXPECT_EQ(fourPixel.rightMargin(0xFF), 0.0f);
    EXPECT_EQ(fourPixel.inkWidth(0x80), 0.0);

    // Only readable square power-of-two bitmaps are fonts.
    const RecordingPlatform platform;
    TemporaryFolder folder;
    folder.enter();
    std::filesystem::create_directory("fonts");
    const auto failureOf = [](const std::string& name) { return GAME_ERROR_OF(ScreenTextPoint(name, "x")); };
    BmpBytes{.width = 32, .height = 16}.write("fonts/wide.bmp");
    BmpBytes{.width = 24, .height = 24}.write("fonts/odd.bmp");
    BmpBytes{.width = 8, .height = 8}.write("fonts/tiny.bmp");
    writeFile("fonts/damaged.bmp", {'B', 'M', 1, 2, 3});
    const std::pair<const char*, const char*> cases[] = {
        {"wide", "Not supported format"},    {"odd", "Not supported format"},    {"tiny", "Not supported format"},
        {"damaged", "Not supported format"}, {"missing", "Can't open bmp file"}, {"Wide", "Can't open bmp file"},
    };
    for (const auto& [name, message] : cases) EXPECT_EQ(failureOf(name), message) << name;
    EXPECT_FALSE(platform.lastMessage.empty()) << "the reader said what was wrong";
    BmpBytes{.width = 16, .height = 16}.write("fonts/damaged.bmp");  // mended on disk
    EXPECT_EQ(failureOf("damaged"), "(no error)") << "the failure was not cached";

    EXPECT_EQ(&Font("damaged", Color()).glyphs(), &GlyphSet::get("damaged")) << "texts share their font's glyphs";
}
