#include "platform/bitmap.h"

#include <cstdio>
#include <string>

#include "platform/bitmap_source.h"
#include "platform/bmp_decoder.h"
#include "platform/resources.h"

namespace ondalith::platform {
namespace {

bool reject(std::uint16_t id, const std::string& reason) {
    char line[200];
    std::snprintf(line, sizeof line, "Ondalith: bitmap %u: %s\n", static_cast<unsigned>(id), reason.c_str());
    reportBitmapFailure(line);
    return false;
}

// Where the rows of resource `id`, checked to be width x height, lie in the executable.
// False with a one-line `reason` when it is missing or not such a picture.
bool findBitmapResourceRows(std::uint16_t id, int width, int height, BmpRows& rows, std::string& reason) {
    const auto bytes = findResource(ResourceType::Bitmap, id);
    if (!bytes) {
        reason = "no such resource";
        return false;
    }
    const auto find = bitmapResourceHasFileHeader() ? findBmpRows : findDibRows;
    return find(bytes->data, bytes->size, width, height, rows, reason);
}

}  // namespace

bool loadBitmapPixels(std::uint16_t id, int width, int height, std::vector<std::uint8_t>& pixels) {
    std::string reason;
    BmpRows rows;
    if (findBitmapResourceRows(id, width, height, rows, reason) && decodeRows(rows, width, pixels, reason)) return true;
    pixels.clear();
    return reject(id, reason);
}

// The resource stays in memory for the life of the process, so its rows are handed
// over where they lie, with no copy of the picture in between.
bool readBitmapRows(std::uint16_t id, int width, int height, BitmapRowSink& sink) {
    std::string reason;
    BmpRows rows;
    if (!findBitmapResourceRows(id, width, height, rows, reason)) return reject(id, reason);
    for (int y = 0; y < height; ++y) sink.row(y, rows.row(y), rows.bytesPerPixel);
    return true;
}

}  // namespace ondalith::platform
