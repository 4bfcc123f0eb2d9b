// A BITMAP resource is the picture's file without its 14-byte file header. Its pixels
// are read from the resource itself, never through a bitmap of the display's format:
// on a 16- or 8-bit desktop that would round every channel, the height atlas's too.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/bitmap.h"
#include "platform/bmp_decoder.h"
#include "platform/resources.h"

namespace ondalith::platform {
namespace {

bool reject(std::uint16_t id, const std::string& reason) {
    char line[200];
    std::snprintf(line, sizeof line, "Ondalith: bitmap %u: %s\n", static_cast<unsigned>(id), reason.c_str());
    // A GUI process may have no stderr; the debugger channel is always there.
    std::fputs(line, stderr);
    OutputDebugStringA(line);
    return false;
}

}  // namespace

bool loadBitmapPixels(std::uint16_t id, int width, int height, std::vector<std::uint8_t>& pixels) {
    std::string reason = "no such resource";
    if (auto bytes = findResource(ResourceType::Bitmap, id)) {
        if (decodeDib(bytes->data, bytes->size, width, height, pixels, reason)) return true;
    }
    pixels.clear();
    return reject(id, reason);
}

// The resource stays mapped for the life of the process, so its rows are handed over
// where they lie, with no copy of the picture in between.
bool readBitmapRows(std::uint16_t id, int width, int height, BitmapRowSink& sink) {
    std::string reason = "no such resource";
    BmpRows rows;
    auto bytes = findResource(ResourceType::Bitmap, id);
    if (!bytes || !findDibRows(bytes->data, bytes->size, width, height, rows, reason)) return reject(id, reason);
    for (int y = 0; y < height; ++y) sink.row(y, rows.row(y), rows.bytesPerPixel);
    return true;
}

}  // namespace ondalith::platform
