#pragma once
// The small text routines of the model reader. Blanks are space and tab only; numbers
// are read the same way whatever the user's locale is.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ondalith {

// The first blank-separated token of the line; empty for a blank or empty line.
std::string leadingToken(const std::string& line);

// Everything after the first token, from its first non-blank to the last non-blank.
// Carriage returns are not blanks and stay.
std::string lineTail(const std::string& line);

// Pieces between separators: "1//3" gives "1", "", "3"; a trailing separator adds nothing.
std::vector<std::string> splitOn(const std::string& text, const std::string& sep);

// Drops trailing CR/LF, unless nothing but CR/LF (or nothing) is there.
std::string trimLineEnd(const std::string& s);

// Removes every carriage return together with the character after it.
std::string dropCarriageReturns(const std::string& line);

// Longest numeric prefix after leading whitespace; trailing characters are ignored.
// A text with no number in front, or a number out of range, reads as 0 and gives false.
bool readFloat(const std::string& text, float& value);
bool readInt(const std::string& text, std::int32_t& value);

// An OBJ index: n > 0 is the n-th element, n < 0 counts back from the end (-1 the last).
// Gives false for 0, for a token without a number and for anything outside the list,
// so that no caller ever reads outside it.
bool resolveIndex(std::size_t listSize, const std::string& token, std::size_t& index);

// Calls f(line) for every LF-terminated line; the LF is not part of the line, and a last
// line without LF is still read.
template <class F>
void forEachLine(const std::string& text, F&& f) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        f(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace ondalith
