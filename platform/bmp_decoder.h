#pragma once
// Reads the pixels of a bitmap held in memory: a whole .bmp file, as Linux embeds the
// saver's pictures, or the same picture without its 14-byte file header, as a Windows
// BITMAP resource holds it. Both builds decode with this code rather than through the
// system, so that the pixels never pass through the display's format. It trusts
// nothing in the bytes and reads only inside the bytes it is given.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ondalith::platform {

// Where the rows of a checked picture lie inside its bytes.
struct BmpRows {
    const std::uint8_t* body = nullptr;  // the first row stored in the file
    std::size_t stride = 0;              // bytes from one stored row to the next
    int bytesPerPixel = 0;               // 3 or 4: blue, green, red, then the fourth byte
    int height = 0;
    bool topDown = false;

    // Row y of the picture counted from the bottom, 0 <= y < height.
    const std::uint8_t* row(int y) const {
        return body + static_cast<std::size_t>(topDown ? height - 1 - y : y) * stride;
    }
};

// Checks an uncompressed 24- or 32-bit picture (rows bottom-up or top-down, each padded
// to 4 bytes; 32-bit may also declare the plain BGRX bit fields) of exactly width x
// height pixels, and says where its rows are: every row then lies inside the bytes
// given. False with a one-line `reason` for anything else.
bool findBmpRows(const std::uint8_t* data, std::size_t size, int width, int height, BmpRows& rows,
                 std::string& reason);

// The same for a picture without the file header: the info header comes first, and the
// pixels follow it, its bit-field masks and its colour table, as the system lays out a
// packed device-independent bitmap.
bool findDibRows(const std::uint8_t* data, std::size_t size, int width, int height, BmpRows& rows,
                 std::string& reason);

// Copies checked rows of a picture `width` pixels wide into `pixels`: 4-byte pixels
// (blue, green, red, then 0 for 24-bit pictures or the picture's fourth byte), the
// bottom row first. False with a one-line `reason` when that would not fit in memory.
bool decodeRows(const BmpRows& rows, int width, std::vector<std::uint8_t>& pixels, std::string& reason);

// Decodes such a picture into `pixels`: height rows of width 4-byte pixels (blue,
// green, red, then 0 for 24-bit pictures or the file's fourth byte), the bottom row
// first. False with a one-line `reason` for anything else; `pixels` is then left empty.
bool decodeBmp(const std::uint8_t* data, std::size_t size, int width, int height,
               std::vector<std::uint8_t>& pixels, std::string& reason);
bool decodeDib(const std::uint8_t* data, std::size_t size, int width, int height,
               std::vector<std::uint8_t>& pixels, std::string& reason);

}  // namespace ondalith::platform
