#pragma once
// The bitmap glyphs the frame-rate box is written with, read from a text resource that
// the build generates:
//
//   5 7 6 9      glyph width and height, advance to the next character and to the next line
//   F            a line holding the glyph's character, then one line per row, top row first:
//   #####        '#' lit, '.' dark
//   ...
//
// Both builds read the same text, and the tests read the generated file to check the
// screen back against it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ondalith {

struct GlyphFont {
    int glyphWidth = 0;
    int glyphHeight = 0;
    int advanceX = 0;
    int advanceY = 0;
    std::string characters;           // one per glyph, in atlas order
    std::vector<std::uint8_t> atlas;  // glyphHeight rows (top first) of the glyphs side by side; 0 or 255

    int atlasWidth() const { return static_cast<int>(characters.size()) * glyphWidth; }
    int indexOf(char c) const;  // -1 when the font has no glyph for c
};

// False, with `font` left empty, for anything but a well-formed text: a bad header, a
// row of the wrong width or with other characters, a character given twice, a cut-off glyph.
bool parseGlyphFont(const char* text, std::size_t size, GlyphFont& font);

// parseGlyphFont on the TEXTFILE resource of that id; false when it is missing.
bool loadGlyphFont(std::uint16_t id, GlyphFont& font);

}  // namespace ondalith
