// The generated glyph bitmap, fonts/arial.bmp: the game reads it as a 16 x 16 grid of cells
// (code c at row c / 16 from the top, column c % 16), takes the red channel as coverage and
// measures each glyph's margins from the columns that hold any red at all.
#include "tests/support/DataFolder.h"
#include "tests/support/TestBitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct Extent {
    bool empty = true;
    int left = 0, right = 0, top = 0, bottom = 0;  // inclusive, in cell pixels, top row 0
};

class FontBitmapTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string error;
        loaded() = font().load(DataFolder::path("fonts/arial.bmp"), error);
        if (!loaded()) message() = error + " (is the data generated?)";
    }
    static TestBitmap& font()
    {
        static TestBitmap bitmap;
        return bitmap;
    }
    static bool& loaded()
    {
        static bool value = false;
        return value;
    }
    static std::string& message()
    {
        static std::string text;
        return text;
    }
    void SetUp() override { ASSERT_TRUE(loaded()) << message(); }

    int cell() const { return font().width / 16; }
    int red(int code, int x, int y) const { return font().at((code % 16) * cell() + x, (code / 16) * cell() + y)[0]; }
    Extent extent(int code) const
    {
        Extent e;
        for (int y = 0; y < cell(); ++y)
            for (int x = 0; x < cell(); ++x) {
                if (red(code, x, y) == 0) continue;
                if (e.empty) e = {false, x, x, y, y};
                e.left = std::min(e.left, x), e.right = std::max(e.right, x);
                e.top = std::min(e.top, y), e.bottom = std::max(e.bottom, y);
            }
        return e;
    }
};

bool printable(int c) { return (c > 32 && c < 127) || (c > 160 && c < 256); }

TEST_F(FontBitmapTest, IsASquareGridOfLargeCells)
{
    EXPECT_EQ(font().width, font().height);
    EXPECT_EQ(font().width & (font().width - 1), 0) << "power of two";
    EXPECT_GE(cell(), 64) << "cells are enlarged to a tenth of the screen: they need pixels";
}

TEST_F(FontBitmapTest, EveryPrintableCodeHasAGlyphAndNothingElseDoes)
{
    for (int c = 0; c < 256; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(extent(c).empty, !printable(c));
    }
}

TEST_F(FontBitmapTest, GlyphsStayInsideTheirCellsWithAnEmptyBorder)
{
    // A pixel on a cell's edge would be measured as part of the glyph next door by linear
    // filtering, and would widen the margins the game computes.
    for (int c = 0; c < 256; ++c) {
        const Extent e = extent(c);
        if (e.empty) continue;
        SCOPED_TRACE(c);
        EXPECT_GE(e.left, 1);
        EXPECT_GE(e.top, 1);
        EXPECT_LE(e.right, cell() - 2);
        EXPECT_LE(e.bottom, cell() - 2);
    }
}

TEST_F(FontBitmapTest, LettersShareOneBaselineAndOneCapHeight)
{
    const int baseline = extent('H').bottom;
    for (char c : std::string("EHILTxnmz1")) EXPECT_NEAR(extent(c).bottom, baseline, 1) << c;
    for (char c : std::string("gjpqy")) EXPECT_GT(extent(c).bottom, baseline + cell() / 10) << c;
    const int capTop = extent('H').top;
    for (char c : std::string("EFHTZ")) EXPECT_NEAR(extent(c).top, capTop, 1) << c;
    EXPECT_LT(extent(0xC9).top, capTop) << "the accent of É rises above the capitals";
    EXPECT_GT(extent('x').top, capTop + cell() / 10) << "x-height below cap height";
}

TEST_F(FontBitmapTest, GlyphsAreLargeAndAntiAliasedWhite)
{
    const Extent h = extent('H');
    EXPECT_GE(h.bottom - h.top + 1, cell() * 2 / 5) << "capital height";
    const Extent w = extent('W');
    EXPECT_GE(w.right - w.left + 1, cell() / 2);
    int partial = 0, full = 0, tinted = 0;
    for (int y = 0; y < cell(); ++y)
        for (int x = 0; x < cell(); ++x) {
            const auto* p = font().at(('O' % 16) * cell() + x, ('O' / 16) * cell() + y);
            if (p[0] == 255) ++full;
            if (p[0] > 0 && p[0] < 255) ++partial;
            if (p[0] != p[1] || p[1] != p[2]) ++tinted;
        }
    EXPECT_GT(full, 0);
    EXPECT_GT(partial, 20) << "smooth edges";
    EXPECT_EQ(tinted, 0) << "white on black only";
}

TEST_F(FontBitmapTest, NarrowAndWideGlyphsKeepTheirProportions)
{
    // Spacing in the game comes from these widths, so 'i' must be much narrower than 'm'.
    const auto width = [&](int c) { return extent(c).right - extent(c).left + 1; };
    EXPECT_LT(width('i') * 3, width('m'));
    EXPECT_LT(width('l') * 3, width('W'));
    EXPECT_NEAR(width('0'), width('8'), 2) << "figures share one width";
}

}  // namespace
