#include <cstdio>
#include <string>

#include "platform/bitmap.h"
#include "platform/bmp_decoder.h"
#include "platform/resources.h"

namespace ondalith::platform {

bool loadBitmapPixels(std::uint16_t id, int width, int height, std::vector<std::uint8_t>& pixels) {
    std::string reason = "no such resource";
    if (auto bytes = findResource(ResourceType::Bitmap, id)) {
        if (decodeBmp(bytes->data, bytes->size, width, height, pixels, reason)) return true;
    }
    pixels.clear();
    std::fprintf(stderr, "Ondalith: bitmap %u: %s\n", static_cast<unsigned>(id), reason.c_str());
    return false;
}

}  // namespace ondalith::platform
