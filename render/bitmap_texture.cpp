#include "render/bitmap_texture.h"

#include <cstddef>
#include <vector>

#include "platform/bitmap.h"

namespace ondalith {

int BitmapTexture::levelCount(int size) {
    int levels = 0;
    while (size > 1) {
        size >>= 1;
        ++levels;
    }
    return levels < 1 ? 1 : levels;
}

BitmapTexture::BitmapTexture(std::uint16_t bitmapId, int size) {
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (size <= 0) return;  // nothing to store

    glTexStorage2D(GL_TEXTURE_2D, levelCount(size), GL_RGBA32F, size, size);
    std::vector<float> texels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4, 0.0f);
    readBitmapPixels(texels.data(), bitmapId, size, size);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGBA, GL_FLOAT, texels.data());

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

void BitmapTexture::readBitmapPixels(float* destination, std::uint16_t bitmapId, int width, int height) {
    std::vector<std::uint8_t> pixels;
    if (!platform::loadBitmapPixels(bitmapId, width, height, pixels)) return;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    for (std::size_t p = 0; p < count; ++p) {
        const std::uint8_t* in = &pixels[4 * p];
        float* out = destination + 4 * p;
        out[0] = in[2] / 255.0f;
        out[1] = in[1] / 255.0f;
        out[2] = in[0] / 255.0f;
        out[3] = 1.0f;
    }
}

}  // namespace ondalith
