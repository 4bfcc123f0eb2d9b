// A BITMAP resource is the picture's file without its 14-byte file header. Its pixels
// are read from the resource itself, never through a bitmap of the display's format:
// on a 16- or 8-bit desktop that would round every channel, the height atlas's too.
#include <windows.h>

#include <cstdio>

#include "platform/bitmap_source.h"
#include "platform/resources.h"

namespace ondalith::platform {

bool findBitmapResourceRows(std::uint16_t id, int width, int height, BmpRows& rows, std::string& reason) {
    const auto bytes = findResource(ResourceType::Bitmap, id);
    if (!bytes) {
        reason = "no such resource";
        return false;
    }
    return findDibRows(bytes->data, bytes->size, width, height, rows, reason);
}

void reportBitmapFailure(const char* line) {
    // A GUI process may have no stderr; the debugger channel is always there.
    std::fputs(line, stderr);
    OutputDebugStringA(line);
}

}  // namespace ondalith::platform
