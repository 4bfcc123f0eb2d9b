#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bmp_decoder.h"

namespace ondalith::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = v >> 8;
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// The blue, green, red and fourth byte of picture pixel (x, y), y counted from the top.
std::uint8_t channel(int x, int y, int c) { return static_cast<std::uint8_t>(16 * x + 64 * y + 3 * c + 1); }

// A file of width x height pixels with the usual 54 bytes of headers.
Bytes makeBmp(int width, int height, int bits, bool topDown = false, std::uint32_t compression = 0) {
    const std::size_t stride = (static_cast<std::size_t>(width) * (bits / 8) + 3) & ~std::size_t{3};
    const std::size_t masks = compression == 3 ? 12 : 0;
    Bytes b(54 + masks + stride * height, 0xEE);  // 0xEE marks padding that must not be read
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 6, 0);
    put32(b, 10, static_cast<std::uint32_t>(54 + masks));
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<std::uint16_t>(bits));
    put32(b, 30, compression);
    put32(b, 34, static_cast<std::uint32_t>(stride * height));
    for (std::size_t i = 38; i < 54; ++i) b[i] = 0;
    if (masks) {
        put32(b, 54, 0x00FF0000);
        put32(b, 58, 0x0000FF00);
        put32(b, 62, 0x000000FF);
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;  // picture row stored at this file row
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < bits / 8; ++c) b[54 + masks + row * stride + x * (bits / 8) + c] = channel(x, y, c);
    }
    return b;
}

// What the decoder must give for such a picture: bottom row first, BGRX.
Bytes expected(int width, int height, int bits) {
    Bytes out;
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 4; ++c)
                out.push_back(c == 3 && bits == 24 ? 0 : channel(x, height - 1 - row, c));
    return out;
}

// The same picture as a Windows BITMAP resource holds it: no 14-byte file header.
Bytes dibOf(const Bytes& file) { return Bytes(file.begin() + 14, file.end()); }

std::string decodeError(const Bytes& bytes, int width, int height, bool dib = false) {
    Bytes pixels{1, 2, 3};
    std::string reason;
    if ((dib ? decodeDib : decodeBmp)(bytes.data(), bytes.size(), width, height, pixels, reason)) return "accepted";
    EXPECT_TRUE(pixels.empty());
    EXPECT_FALSE(reason.empty());
    return reason;
}

TEST(BmpDecoderTest, ReadsBottomUpAndTopDownAtBothDepthsIntoBottomFirstRows) {
    // Width 3 pads 24-bit rows from 9 to 12 bytes; 5 rows tell row order apart.
    for (int bits : {24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (topDown ? " top-down" : " bottom-up"));
            Bytes file = makeBmp(3, 5, bits, topDown);
            Bytes pixels;
            std::string reason;
            ASSERT_TRUE(decodeBmp(file.data(), file.size(), 3, 5, pixels, reason)) << reason;
            EXPECT_EQ(pixels, expected(3, 5, bits));
        }
    }
}

TEST(BmpDecoderTest, AcceptsPlainBitFieldsOnlyForThirtyTwoBits) {
    Bytes file = makeBmp(2, 2, 32, false, 3);
    Bytes pixels;
    std::string reason;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), 2, 2, pixels, reason)) << reason;
    EXPECT_EQ(pixels, expected(2, 2, 32));

    put32(file, 54, 0x000000FF);  // red and blue swapped
    put32(file, 62, 0x00FF0000);
    EXPECT_NE(decodeError(file, 2, 2), "accepted");
}

TEST(BmpDecoderTest, ReadsThePictureWithoutItsFileHeaderAsTheFileItCameFrom) {
    Bytes withMasks = makeBmp(2, 2, 32, false, 3);  // the masks follow the 40-byte header
    Bytes withTable = dibOf(makeBmp(2, 2, 24));
    put32(withTable, 32, 2);  // two colour entries, of no use to 24-bit pixels, before them
    withTable.insert(withTable.begin() + 40, 8, 0xEE);
    struct Case {
        const char* name;
        Bytes dib;
        int width, height, bits;
    } cases[] = {
        {"24-bit", dibOf(makeBmp(3, 5, 24)), 3, 5, 24},
        {"32-bit", dibOf(makeBmp(3, 5, 32)), 3, 5, 32},
        {"24-bit top-down", dibOf(makeBmp(3, 5, 24, true)), 3, 5, 24},
        {"32-bit bit fields", dibOf(withMasks), 2, 2, 32},
        {"colour table", withTable, 2, 2, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes pixels;
        std::string reason;
        ASSERT_TRUE(decodeDib(c.dib.data(), c.dib.size(), c.width, c.height, pixels, reason)) << reason;
        EXPECT_EQ(pixels, expected(c.width, c.height, c.bits));
    }
    put32(withTable, 32, 0x40000000);  // a table that would end far past the pixels
    EXPECT_EQ(decodeError(withTable, 2, 2, true), "truncated: pixel data runs past the end");
}

TEST(BmpDecoderTest, RejectsWhatItDoesNotRead) {
    const Bytes good = makeBmp(4, 4, 24);
    struct Case {
        const char* name;
        std::size_t at;  // where to write; 0 with size 0 writes nothing
        int size;
        std::uint32_t value;
        int width, height;
    } cases[] = {
        {"wrong magic", 0, 2, 'M' | 'B' << 8, 4, 4},
        {"palette", 28, 2, 8, 4, 4},
        {"one bit", 28, 2, 1, 4, 4},
        {"sixteen bits", 28, 2, 16, 4, 4},
        {"RLE8", 30, 4, 1, 4, 4},
        {"RLE4", 30, 4, 2, 4, 4},
        {"JPEG inside", 30, 4, 4, 4, 4},
        {"two planes", 26, 2, 2, 4, 4},
        {"core header", 14, 4, 12, 4, 4},
        {"absurd header size", 14, 4, 0xFFFFFFF0u, 4, 4},
        {"pixels beyond the end", 10, 4, 0xFFFFFFF0u, 4, 4},
        {"pixels inside the headers", 10, 4, 20, 4, 4},
        {"narrower than asked", 0, 0, 0, 5, 4},
        {"shorter than asked", 0, 0, 0, 4, 3},
        {"negative width", 18, 4, static_cast<std::uint32_t>(-4), 4, 4},
        {"most negative height", 22, 4, 0x80000000u, 4, 4},
        {"absurd width", 18, 4, 0x7FFFFFFF, 0x7FFFFFFF, 4},
        {"absurd height", 22, 4, 0x7FFFFFFF, 4, 0x7FFFFFFF},
        {"empty asked", 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Bytes file = good;
        if (c.size == 2) put16(file, c.at, static_cast<std::uint16_t>(c.value));
        if (c.size == 4) put32(file, c.at, c.value);
        EXPECT_NE(decodeError(file, c.width, c.height), "accepted") << c.name;
    }
}

TEST(BmpDecoderTest, RejectsEveryTruncationWithoutReadingPastTheEnd) {
    // Each prefix is copied to a buffer of exactly its size so that the sanitizers
    // catch a read of even one byte too many.
    for (int bits : {24, 32}) {
        const Bytes file = makeBmp(3, 3, bits);
        for (std::size_t n = 0; n < file.size(); ++n) {
            Bytes prefix(file.begin(), file.begin() + n);
            EXPECT_NE(decodeError(prefix, 3, 3), "accepted") << bits << " bits, " << n << " bytes";
            if (n < 14) continue;
            Bytes dibPrefix(file.begin() + 14, file.begin() + n);
            EXPECT_NE(decodeError(dibPrefix, 3, 3, true), "accepted") << bits << " bits, header-less, " << n - 14;
        }
    }
    Bytes pixels;
    std::string reason;
    EXPECT_FALSE(decodeBmp(nullptr, 0, 1, 1, pixels, reason));
    EXPECT_FALSE(decodeDib(nullptr, 0, 1, 1, pixels, reason));
}

TEST(BmpDecoderTest, ReasonsNameTheProblem) {
    Bytes file = makeBmp(4, 4, 24);
    EXPECT_EQ(decodeError(file, 8, 8), "is 4 x 4 pixels, not 8 x 8");
    put16(file, 28, 8);
    EXPECT_EQ(decodeError(file, 4, 4), "palette bitmaps (8 bits per pixel) are not supported");
}

}  // namespace
}  // namespace ondalith::platform
