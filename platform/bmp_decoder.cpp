#include "platform/bmp_decoder.h"

#include <cstring>

namespace ondalith::platform {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kRgb = 0;        // BI_RGB
constexpr std::uint32_t kRle8 = 1;       // BI_RLE8
constexpr std::uint32_t kRle4 = 2;       // BI_RLE4
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t i32(const std::uint8_t* p) {
    std::uint32_t bits = u32(p);
    std::int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool fail(std::string& reason, std::string text) {
    reason = std::move(text);
    return false;
}

// What a checked info header says about the pixels that follow it.
struct Layout {
    std::uint32_t infoBytes = 0;
    std::uint64_t tableBytes = 0;  // bit-field masks after a plain header, then the colour table
    std::uint64_t bytesPerPixel = 0;
    bool topDown = false;
};

// Checks the info header at `info`, with `available` bytes from there to the end.
bool readInfo(const std::uint8_t* info, std::size_t available, int width, int height, Layout& layout,
              std::string& reason) {
    if (available < 4) return fail(reason, "truncated: no info header");
    const std::uint32_t infoBytes = u32(info);
    if (infoBytes == 12) return fail(reason, "the 12-byte core header is not supported");
    if (infoBytes < 40 || infoBytes > 1024) return fail(reason, "unknown info header size " + std::to_string(infoBytes));
    if (available < infoBytes) return fail(reason, "truncated: info header runs past the end");

    const std::int64_t fileWidth = i32(info + 4);
    const std::int64_t signedHeight = i32(info + 8);
    const std::uint16_t planes = u16(info + 12);
    const std::uint16_t bits = u16(info + 14);
    const std::uint32_t compression = u32(info + 16);
    const std::uint32_t coloursUsed = u32(info + 32);

    if (planes != 1) return fail(reason, "plane count " + std::to_string(planes) + ", not 1");
    if (compression == kRle8 || compression == kRle4) return fail(reason, "RLE-compressed bitmaps are not supported");
    if (bits <= 8) return fail(reason, "palette bitmaps (" + std::to_string(bits) + " bits per pixel) are not supported");
    if (bits != 24 && bits != 32) return fail(reason, std::to_string(bits) + " bits per pixel is not supported");
    std::uint64_t maskBytes = 0;
    if (compression == kBitFields) {
        // Only the masks that describe the layout of a plain 32-bit picture. They sit
        // where a longer header keeps them, or right after a 40-byte one.
        if (bits != 32) return fail(reason, "bit fields on a 24-bit picture");
        if (available < 40 + 12) return fail(reason, "truncated: bit-field masks run past the end");
        if (u32(info + 40) != 0x00FF0000u || u32(info + 44) != 0x0000FF00u || u32(info + 48) != 0x000000FFu)
            return fail(reason, "bit-field masks other than 8-bit red, green, blue are not supported");
        if (infoBytes == 40) maskBytes = 12;
    } else if (compression != kRgb) {
        return fail(reason, "compression " + std::to_string(compression) + " is not supported");
    }

    const bool topDown = signedHeight < 0;
    const std::int64_t fileHeight = topDown ? -signedHeight : signedHeight;
    if (fileWidth != width || fileHeight != height)
        return fail(reason, "is " + std::to_string(fileWidth) + " x " + std::to_string(fileHeight) +
                                " pixels, not " + std::to_string(width) + " x " + std::to_string(height));

    layout.infoBytes = infoBytes;
    // A colour table beside true-colour pixels only helps palette displays; it is skipped.
    layout.tableBytes = maskBytes + std::uint64_t{coloursUsed} * 4;
    layout.bytesPerPixel = bits / 8;
    layout.topDown = topDown;
    return true;
}

// Says where the rows are when they start `pixelOffset` bytes into `data`, after headers
// that end at `headersEnd`.
bool placeRows(const std::uint8_t* data, std::size_t size, std::uint64_t pixelOffset, std::uint64_t headersEnd,
               const Layout& layout, int width, int height, BmpRows& rows, std::string& reason) {
    // Both sides are below 2^31, so these products cannot overflow 64 bits.
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * layout.bytesPerPixel + 3) & ~std::uint64_t{3};
    const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(height);
    if (pixelOffset < headersEnd) return fail(reason, "pixel data overlaps the headers");
    if (pixelOffset > size || pixelBytes > size - pixelOffset)
        return fail(reason, "truncated: pixel data runs past the end");

    // The rows fit inside `size`, so the stride fits a size_t.
    rows.body = data + pixelOffset;
    rows.stride = static_cast<std::size_t>(stride);
    rows.bytesPerPixel = static_cast<int>(layout.bytesPerPixel);
    rows.height = height;
    rows.topDown = layout.topDown;
    reason.clear();
    return true;
}

}  // namespace

bool findBmpRows(const std::uint8_t* data, std::size_t size, int width, int height, BmpRows& rows,
                 std::string& reason) {
    if (width <= 0 || height <= 0) return fail(reason, "asked for an empty picture");
    if (!data || size < kFileHeaderBytes + 4) return fail(reason, "truncated: no file and info header");
    if (data[0] != 'B' || data[1] != 'M') return fail(reason, "not a BMP file (no \"BM\" magic)");
    Layout layout;
    if (!readInfo(data + kFileHeaderBytes, size - kFileHeaderBytes, width, height, layout, reason)) return false;
    // The file says where its pixels are.
    return placeRows(data, size, u32(data + 10), kFileHeaderBytes + layout.infoBytes, layout, width, height, rows,
                     reason);
}

bool findDibRows(const std::uint8_t* data, std::size_t size, int width, int height, BmpRows& rows,
                 std::string& reason) {
    if (width <= 0 || height <= 0) return fail(reason, "asked for an empty picture");
    if (!data) return fail(reason, "truncated: no info header");
    Layout layout;
    if (!readInfo(data, size, width, height, layout, reason)) return false;
    return placeRows(data, size, layout.infoBytes + layout.tableBytes, layout.infoBytes, layout, width, height, rows,
                     reason);
}

bool decodeRows(const BmpRows& rows, int width, std::vector<std::uint8_t>& pixels, std::string& reason) {
    const int height = rows.height;
    const std::uint64_t outBytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4;
    if (outBytes > pixels.max_size()) return fail(reason, "too large for this process");

    pixels.resize(static_cast<std::size_t>(outBytes));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = rows.row(y);
        std::uint8_t* out = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
        if (rows.bytesPerPixel == 4) {
            std::memcpy(out, in, static_cast<std::size_t>(width) * 4);
        } else {
            for (int x = 0; x < width; ++x, in += 3, out += 4) {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
                out[3] = 0;
            }
        }
    }
    return true;
}

bool decodeBmp(const std::uint8_t* data, std::size_t size, int width, int height,
               std::vector<std::uint8_t>& pixels, std::string& reason) {
    pixels.clear();
    BmpRows rows;
    return findBmpRows(data, size, width, height, rows, reason) && decodeRows(rows, width, pixels, reason);
}

bool decodeDib(const std::uint8_t* data, std::size_t size, int width, int height,
               std::vector<std::uint8_t>& pixels, std::string& reason) {
    pixels.clear();
    BmpRows rows;
    return findDibRows(data, size, width, height, rows, reason) && decodeRows(rows, width, pixels, reason);
}

}  // namespace ondalith::platform
