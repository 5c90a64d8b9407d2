// Text on the screen without drawing it: how text splits into lines, how wide lines are
// from the glyph margins, where the nine anchor codes put each line, how a field places its
// text, and how the glider rises and starts again.
#include <gtest/gtest.h>

#include "overlay/ScreenTextGlider.h"
#include "scene/GameError.h"

namespace {
using Lines = std::vector<std::string>;

// A font image with one-pixel cells: every code has ink except those in `empty`.
const GlyphSet& onePixelFont(const std::string& name, const std::string& empty = std::string("\0 ", 2))
{
    std::vector<unsigned char> rgb(16 * 16 * 3, 0);
    for (int code = 0; code < 256; ++code) {
        if (empty.find(static_cast<char>(code)) != std::string::npos) continue;
        const int row = 15 - code / 16, column = code % 16;  // rows bottom first
        rgb[(row * 16 + column) * 3] = 255;
    }
    return GlyphSet::fromImage(name, 16, 16, rgb);
}

// The text font of these tests: one-pixel cells, so every glyph with ink is one cell wide.
struct ScreenTextTest : ::testing::Test {
    void SetUp() override { onePixelFont("unit"); }
};

void expectOrigin(const ScreenTextPoint& text, std::size_t line, double x, double y)
{
    const ScreenTextPoint::Origin origin = text.lineOrigin(line);
    EXPECT_NEAR(origin.x, x, 1e-12) << "line " << line << " alignment " << text.getAlignment();
    EXPECT_NEAR(origin.y, y, 1e-12) << "line " << line << " alignment " << text.getAlignment();
}
}  // namespace

TEST(TextLinesTest, BreaksAreLineFeedsOrCarriageReturnLineFeeds)
{
    EXPECT_EQ(ScreenTextPoint::splitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(ScreenTextPoint::splitLines("a\n"), (Lines{"a"})) << "a trailing break adds no line";
    EXPECT_EQ(ScreenTextPoint::splitLines("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(ScreenTextPoint::splitLines("\n"), (Lines{""}));
    EXPECT_EQ(ScreenTextPoint::splitLines(""), Lines{});
    EXPECT_EQ(ScreenTextPoint::splitLines("one\r\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(ScreenTextPoint::splitLines("a\rb\r"), (Lines{"a\rb\r"})) << "a lone carriage return is a character";
    EXPECT_EQ(ScreenTextPoint::splitLines("a\r\r\nb"), (Lines{"a\r", "b"}));
    EXPECT_EQ(ScreenTextPoint::splitLines("\r\n\r\n"), (Lines{"", ""}));
}

TEST_F(ScreenTextTest, TextComesBackJoinedByLineFeeds)
{
    ScreenTextPoint text("unit", "You reached the highscore table!\r\nPlease enter your name:\n");
    EXPECT_EQ(text.getLines().size(), 2u);
    EXPECT_EQ(text.getText(), "You reached the highscore table!\nPlease enter your name:");
    text.setText("");
    EXPECT_TRUE(text.getLines().empty());
    EXPECT_EQ(text.getText(), "");
}

TEST_F(ScreenTextTest, WidthsComeFromTheGlyphMarginsAndHeightsFromTheLineCount)
{
    ScreenTextPoint text("unit", "ab\nabcd\n");
    text.setSize(0.5);
    const Font font("unit", Color());
    EXPECT_DOUBLE_EQ(font.lineWidth(""), 0.1 * Font::defaultSize);
    EXPECT_DOUBLE_EQ(text.getWidth(), 0.5 * (0.5 + 4)) << "the widest line: four glyphs, five gaps";
    EXPECT_DOUBLE_EQ(text.getHeight(), 0.5 * 2.1);
    text.setText("a b");                                    // a space is a fifth of a cell
    EXPECT_NEAR(text.getWidth(), 0.5 * (0.4 + 2.2), 1e-6);  // margins are floats
    text.setText("a\tb");                                   // a tab one and a half cells
    EXPECT_NEAR(text.getWidth(), 0.5 * (0.4 + 3.5), 1e-6);
    text.setText(std::string("a\0b", 3));  // an empty cell has no width
    EXPECT_DOUBLE_EQ(text.getWidth(), 0.5 * (0.4 + 2));
    text.setText("");
    EXPECT_EQ(text.getWidth(), 0.0);
    EXPECT_DOUBLE_EQ(text.getHeight(), -0.05);
}

TEST_F(ScreenTextTest, EachAnchorCodePutsItsPointOfTheBlockOnTheAnchor)
{
    ScreenTextPoint text("unit", "abcd\nab");
    text.setSize(0.1);
    text.setPosition(0.5, 0.5);
    const double wide = 0.1 * 4.5, narrow = 0.1 * 2.3;
    const double top = 0.5 - 0.1, middle = 0.5 + 0.005, bottom = 0.5 + 0.11;  // first line's cell bottom
    const double firstY[9] = {top, top, top, middle, middle, middle, bottom, bottom, bottom};
    for (int code = 0; code < 9; ++code) {
        text.setAlignment(code);
        const int column = code % 3;  // left, centre, right; each line by its own width
        const double shift[3] = {0.0, 0.5, 1.0};
        expectOrigin(text, 0, 0.5 - shift[column] * wide, firstY[code]);
        expectOrigin(text, 1, 0.5 - shift[column] * narrow, firstY[code] - 0.11);
    }
    text.setAlignment(ScreenTextPoint::Center);
    EXPECT_NEAR(text.lineOrigin(0).y + 0.1 - 0.5, 0.5 - text.lineOrigin(1).y, 1e-12) << "the block is centred";
}

TEST_F(ScreenTextTest, BottomRightAtTheScreenCornerEndsTheLastLineThere)
{
    ScreenTextPoint text("unit", "first line\nlast");
    text.setAlignment(ScreenTextPoint::BottomRight);
    text.setPosition(1, 0);
    const ScreenTextPoint::Origin last = text.lineOrigin(1);
    EXPECT_NEAR(last.y, 0.0, 1e-12);
    EXPECT_NEAR(last.x + Font("unit", Color()).lineWidth("last"), 1.0, 1e-12);
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
    EXPECT_EQ(field.getFieldLeft(), 0.0);
    EXPECT_NEAR(field.getX(), 0.3, 1e-12);
    EXPECT_NEAR(field.getY(), 0.2, 1e-12);
    field.setFieldSize(1, 1);
    EXPECT_NEAR(field.getX(), 0.5, 1e-12);
    field.setFieldLeft(0.5);
    field.setFieldBottom(0.5);
    field.setFieldWidth(0.2);
    field.setFieldHeight(0.4);
    EXPECT_NEAR(field.getX(), 0.6, 1e-12);
    EXPECT_NEAR(field.getY(), 0.7, 1e-12);
}

TEST_F(ScreenTextTest, TheGliderRisesFromBelowItsFieldAndStartsAgainAfterItsTextHeight)
{
    ScreenTextGlider glider("unit", 0.2, 0.0, 1.0, 0.8, "one\ntwo");
    glider.setSize(0.1);
    const double height = 0.21;
    EXPECT_DOUBLE_EQ(glider.getGlidePosition(), -0.8);
    EXPECT_DOUBLE_EQ(glider.getGlideLimit(), height);
    glider.calculateAlways({1.0, 2.0});  // 0.1 per second
    EXPECT_NEAR(glider.getGlidePosition(), -0.6, 1e-12);
    glider.calculateAlways({10.0, 8.0});
    EXPECT_NEAR(glider.getGlidePosition(), 0.2, 1e-12);
    glider.calculateAlways({10.2, 0.2});  // 0.22 passes the text height: one field and text lower
    EXPECT_NEAR(glider.getGlidePosition(), 0.22 - (height + 0.8), 1e-12);

    glider.setText("a\nb\nc\nd");  // the limit follows the text
    EXPECT_DOUBLE_EQ(glider.getGlideLimit(), 0.1 * 4.3);
    glider.calculateAlways({1000, 1000});  // a stalled window: still inside one period
    EXPECT_GE(glider.getGlidePosition(), -0.8);
    EXPECT_LE(glider.getGlidePosition(), 0.43);
}

TEST_F(ScreenTextTest, AGliderWithNothingToScrollWaitsBelowItsField)
{
    ScreenTextGlider glider("unit", 0, 0, 1, 0, "");
    glider.calculateAlways({1, 1});
    glider.calculateAlways({2, 1});
    EXPECT_EQ(glider.getGlidePosition(), 0.0);
}

TEST(GlyphSetTest, MarginsAreTheEmptyColumnsOfEachCell)
{
    const GlyphSet& onePixel = onePixelFont("margins-1px", std::string("\0A", 2));
    EXPECT_EQ(onePixel.getCellSize(), 1);
    EXPECT_EQ(onePixel.leftMargin('B'), 0.0f);
    EXPECT_EQ(onePixel.rightMargin('B'), 0.0f);
    EXPECT_EQ(onePixel.leftMargin('A'), 0.0f) << "an empty one-pixel cell";
    EXPECT_EQ(onePixel.rightMargin('A'), 1.0f);
    EXPECT_EQ(onePixel.leftMargin('\t'), -0.25f);
    EXPECT_EQ(onePixel.rightMargin(' '), 0.4f);

    // Four-pixel cells; code 0x41 ('A') has ink in columns 1 and 2 of its cell, code 0xFF
    // (bottom right cell) only in its last column, and code 0x80 is empty.
    std::vector<unsigned char> rgb(64 * 64 * 3, 0);
    const auto ink = [&](int code, int column, int rowInCell) {
        const int x = (code % 16) * 4 + column, y = 63 - ((code / 16) * 4 + rowInCell);
        rgb[(y * 64 + x) * 3] = 1;  // the faintest red still counts
    };
    ink('A', 1, 0);
    ink('A', 2, 3);
    ink(0xFF, 3, 2);
    const GlyphSet& fourPixel = GlyphSet::fromImage("margins-4px", 64, 64, rgb);
    EXPECT_EQ(fourPixel.leftMargin('A'), 0.25f);
    EXPECT_EQ(fourPixel.rightMargin('A'), 0.25f);
    EXPECT_EQ(fourPixel.leftMargin(0xFF), 0.75f);
    EXPECT_EQ(fourPixel.rightMargin(0xFF), 0.0f);
    EXPECT_EQ(fourPixel.leftMargin(0x80), 0.5f);
    EXPECT_EQ(fourPixel.inkWidth(0x80), 0.0);
}

TEST(GlyphSetTest, OnlySquarePowerOfTwoImagesAreFonts)
{
    const auto attempt = [](int width, int height) {
        try {
            GlyphSet::fromImage("bad", width, height, std::vector<unsigned char>(width * height * 3, 255));
            return std::string("loaded");
        } catch (const GameError& error) {
            return std::string(error.what());
        }
    };
    EXPECT_EQ(attempt(24, 24), "Not supported format");
    EXPECT_EQ(attempt(32, 16), "Not supported format");
    EXPECT_EQ(attempt(8, 8), "Not supported format");
    EXPECT_EQ(attempt(0, 0), "Not supported format");
    EXPECT_THROW(GlyphSet::fromImage("short", 16, 16, std::vector<unsigned char>(10)), GameError);
    EXPECT_EQ(attempt(32, 32), "loaded") << "nothing of the failures was cached under the name";
}

TEST(GlyphSetTest, TextsOfOneFontNameShareTheGlyphsButNotColourOrSize)
{
    onePixelFont("shared");
    ScreenTextPoint first("shared", "x"), second("shared", "y");
    first.setColor(Color(1, 0, 0, 1));
    first.setSize(0.3);
    EXPECT_EQ(&Font("shared", Color()).glyphs(), &GlyphSet::get("shared"));
    EXPECT_EQ(second.getColor(), Color(1, 1, 1, 1));
    EXPECT_EQ(second.getSize(), Font::defaultSize);
}

TEST(GlyphSetTest, AMissingFontFileFailsWithItsMessage)
{
    try {
        ScreenTextPoint text("no-such-font", "x");
        FAIL();
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "Can't open bmp file");
    }
}
