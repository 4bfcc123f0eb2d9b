// Linux embeds each picture's whole .bmp file.
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
    return findBmpRows(bytes->data, bytes->size, width, height, rows, reason);
}

void reportBitmapFailure(const char* line) { std::fputs(line, stderr); }

}  // namespace ondalith::platform
