#include "mesh/obj_text.h"

#include <charconv>
#include <limits>

namespace ondalith {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The C library's isspace in the "C" locale, which the number conversions skip.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Start of the number: leading whitespace skipped and a '+' sign accepted, as the C
// conversions do (from_chars alone takes neither).
const char* numberStart(const std::string& text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && isSpace(*p)) ++p;
    if (p + 1 < end && *p == '+' && p[1] != '-' && p[1] != '+') ++p;
    return p;
}

}  // namespace

std::string leadingToken(const std::string& line) {
    std::size_t begin = 0;
    while (begin < line.size() && isBlank(line[begin])) ++begin;
    std::size_t end = begin;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(begin, end - begin);
}

std::string lineTail(const std::string& line) {
    std::size_t p = 0;
    while (p < line.size() && isBlank(line[p])) ++p;
    while (p < line.size() && !isBlank(line[p])) ++p;
    while (p < line.size() && isBlank(line[p])) ++p;
    if (p == line.size()) return std::string();
    std::size_t last = line.size() - 1;
    while (isBlank(line[last])) --last;  // stops at line[p] at the latest
    return line.substr(p, last - p + 1);
}

std::vector<std::string> splitOn(const std::string& text, const std::string& sep) {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!sep.empty() && text.compare(i, sep.size(), sep) == 0) {
            if (!piece.empty()) {
                pieces.push_back(piece);
                piece.clear();
                i += sep.size() - 1;
            } else {
                pieces.emplace_back();
            }
        } else if (i + sep.size() >= text.size()) {
            piece.append(text, i, std::string::npos);
            pieces.push_back(piece);
            break;
        } else {
            piece += text[i];
        }
    }
    return pieces;
}

std::string trimLineEnd(const std::string& s) {
    std::size_t end = s.find_last_not_of("\r\n");
    if (end == std::string::npos) return s;
    return s.substr(0, end + 1);
}

std::string dropCarriageReturns(const std::string& line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r') {
            ++i;  // the character after it goes too
        } else {
            out += line[i];
        }
    }
    return out;
}

bool readFloat(const std::string& text, float& value) {
    double d = 0.0;
    const char* p = numberStart(text);
    auto [ptr, ec] = std::from_chars(p, text.data() + text.size(), d, std::chars_format::general);
    (void)ptr;
    if (ec != std::errc()) {
        value = 0.0f;
        return false;
    }
    value = static_cast<float>(d);
    return true;
}

bool readInt(const std::string& text, std::int32_t& value) {
    std::int32_t n = 0;
    const char* p = numberStart(text);
    auto [ptr, ec] = std::from_chars(p, text.data() + text.size(), n, 10);
    (void)ptr;
    value = ec == std::errc() ? n : 0;
    return ec == std::errc();
}

bool resolveIndex(std::size_t listSize, const std::string& token, std::size_t& index) {
    std::int32_t n = 0;
    if (!readInt(token, n) || n == 0) return false;
    const long long i = n < 0 ? static_cast<long long>(listSize) + n : static_cast<long long>(n) - 1;
    if (i < 0 || i >= static_cast<long long>(listSize)) return false;
    index = static_cast<std::size_t>(i);
    return true;
}

}  // namespace ondalith
