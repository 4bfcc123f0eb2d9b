#include "bench/texture_reference.h"

#include <cstddef>
#include <vector>

#include "platform/bitmap.h"
#include "render/bitmap_texture.h"

namespace ondalith::bench {

GLuint referenceTexture(std::uint16_t bitmapId, int size) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexStorage2D(GL_TEXTURE_2D, BitmapTexture::levelCount(size), GL_RGBA32F, size, size);
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    std::vector<float> texels(count * 4, 0.0f);
    std::vector<std::uint8_t> pixels;
    if (platform::loadBitmapPixels(bitmapId, size, size, pixels)) {
        for (std::size_t p = 0; p < count; ++p) {
            const std::uint8_t* in = &pixels[4 * p];
            float* out = &texels[4 * p];
            out[0] = in[2] / 255.0f;
            out[1] = in[1] / 255.0f;
            out[2] = in[0] / 255.0f;
            out[3] = 1.0f;
        }
    }
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGBA, GL_FLOAT, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    return texture;
}

}  // namespace ondalith::bench
