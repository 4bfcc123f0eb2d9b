#include "render/glyph_font.h"

#include <sstream>

#include "platform/resources.h"

namespace ondalith {

namespace {

constexpr int kLargestGlyph = 64;

std::vector<std::string> splitLines(const char* text, std::size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool parseHeader(const std::string& line, GlyphFont& font) {
    std::istringstream in(line);
    std::string extra;
    if (!(in >> font.glyphWidth >> font.glyphHeight >> font.advanceX >> font.advanceY) || (in >> extra)) return false;
    // A one-column glyph could not be told apart from the line that names it.
    return font.glyphWidth >= 2 && font.glyphWidth <= kLargestGlyph && font.glyphHeight >= 1 &&
           font.glyphHeight <= kLargestGlyph && font.advanceX >= font.glyphWidth && font.advanceX <= 2 * kLargestGlyph &&
           font.advanceY >= font.glyphHeight && font.advanceY <= 2 * kLargestGlyph;
}

bool parseLines(const std::vector<std::string>& lines, GlyphFont& font) {
    if (lines.empty() || !parseHeader(lines[0], font)) return false;
    std::vector<std::vector<std::uint8_t>> glyphs;  // glyphHeight * glyphWidth each
    std::size_t at = 1;
    while (at < lines.size()) {
        const std::string& name = lines[at++];
        if (name.size() != 1 || font.indexOf(name[0]) >= 0) return false;
        if (lines.size() - at < static_cast<std::size_t>(font.glyphHeight)) return false;
        std::vector<std::uint8_t> glyph;
        for (int row = 0; row < font.glyphHeight; ++row) {
            const std::string& bits = lines[at++];
            if (bits.size() != static_cast<std::size_t>(font.glyphWidth)) return false;
            for (char c : bits) {
                if (c != '#' && c != '.') return false;
                glyph.push_back(c == '#' ? 255 : 0);
            }
        }
        font.characters += name[0];
        glyphs.push_back(glyph);
    }
    if (glyphs.empty()) return false;
    for (int row = 0; row < font.glyphHeight; ++row) {
        for (const auto& glyph : glyphs) {
            font.atlas.insert(font.atlas.end(), glyph.begin() + row * font.glyphWidth,
                              glyph.begin() + (row + 1) * font.glyphWidth);
        }
    }
    return true;
}

}  // namespace

int GlyphFont::indexOf(char c) const {
    const std::size_t at = characters.find(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

bool parseGlyphFont(const char* text, std::size_t size, GlyphFont& font) {
    font = GlyphFont{};
    if (!text || !parseLines(splitLines(text, size), font)) {
        font = GlyphFont{};
        return false;
    }
    return true;
}

bool loadGlyphFont(std::uint16_t id, GlyphFont& font) {
    const auto bytes = platform::findResource(platform::ResourceType::TextFile, id);
    if (!bytes) {
        font = GlyphFont{};
        return false;
    }
    return parseGlyphFont(reinterpret_cast<const char*>(bytes->data), bytes->size, font);
}

}  // namespace ondalith
