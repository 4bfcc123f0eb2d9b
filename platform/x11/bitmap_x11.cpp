#include <cstdio>
#include <string>

#include "platform/bitmap.h"
#include "platform/bmp_decoder.h"
#include "platform/resources.h"

namespace ondalith::platform {
namespace {

bool reject(std::uint16_t id, const std::string& reason) {
    std::fprintf(stderr, "Ondalith: bitmap %u: %s\n", static_cast<unsigned>(id), reason.c_str());
    return false;
}

}  // namespace

bool loadBitmapPixels(std::uint16_t id, int width, int height, std::vector<std::uint8_t>& pixels) {
    std::string reason = "no such resource";
    if (auto bytes = findResource(ResourceType::Bitmap, id)) {
        if (decodeBmp(bytes->data, bytes->size, width, height, pixels, reason)) return true;
    }
    pixels.clear();
    return reject(id, reason);
}

// The picture's file is part of the executable, so its rows are handed over where
// they lie, with no copy of the picture in between.
bool readBitmapRows(std::uint16_t id, int width, int height, BitmapRowSink& sink) {
    std::string reason = "no such resource";
    BmpRows rows;
    auto bytes = findResource(ResourceType::Bitmap, id);
    if (!bytes || !findBmpRows(bytes->data, bytes->size, width, height, rows, reason)) return reject(id, reason);
    for (int y = 0; y < height; ++y) sink.row(y, rows.row(y), rows.bytesPerPixel);
    return true;
}

}  // namespace ondalith::platform
