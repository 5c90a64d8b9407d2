// Fuzzes the font loader: a bitmap in fonts/ made into a Font. A file either gives a glyph
// set whose margins keep every glyph inside its cell (tab and space excepted) and whose lines
// have a finite, positive width, or fails with one of the loader's two messages.
#include <cmath>
#include <string>

#include "overlay/Font.h"
#include "scene/GameError.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/RecordingPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput::write("fonts/fuzzed.bmp", data, size);
    RecordingPlatform platform;                      // keeps the reader's messages off the fuzzer's output
    const FuzzInput::WorkingFolder inScratchFolder;  // fonts are read from fonts/ there
    try {
        const Font font("fuzzed", Color(1, 1, 1));
        const GlyphSet& glyphs = font.glyphs();
        expect(glyphs.getCellSize() >= 1, "cells of at least one pixel");
        std::string everyCharacter;
        for (int code = 0; code < GlyphSet::glyphCount; ++code) {
            everyCharacter.push_back(static_cast<char>(code));
            if (code == '\t' || code == ' ') continue;
            const unsigned char c = static_cast<unsigned char>(code);
            expect(glyphs.leftMargin(c) >= 0 && glyphs.rightMargin(c) >= 0, "margins within the cell");
            expect(glyphs.inkWidth(c) >= 0 && glyphs.inkWidth(c) <= 1, "ink within the cell");
        }
        const double width = font.lineWidth(everyCharacter);
        expect(std::isfinite(width) && width > 0, "a finite, positive line width");
        expect(platform.messages.empty(), "a font comes without a message");
    } catch (const GameError& error) {
        expect(std::string(error.what()) == "Not supported format", "the loader's message for a damaged font");
    }
    GlyphSet::forget("fuzzed");
    return 0;
}
