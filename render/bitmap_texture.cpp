#include "render/bitmap_texture.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>

#include "platform/bitmap.h"

namespace ondalith {

namespace {

// byte / 255 for every byte: the very floats the division gives, looked up.
constexpr std::array<float, 256> kUnitOfByte = [] {
    std::array<float, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<float>(i) / 255.0f;
    return table;
}();

// Blue, green, red bytes into red, green, blue, 1 floats, straight into the buffer.
class TexelRows final : public platform::BitmapRowSink {
public:
    TexelRows(float* destination, int width) : destination(destination), width(width) {}

    void row(int y, const std::uint8_t* pixels, int bytesPerPixel) override {
        float* out = destination + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 4;
        if (bytesPerPixel == 4)
            convert<4>(pixels, out);
        else
            convert<3>(pixels, out);
    }

private:
    template <int Step>
    void convert(const std::uint8_t* in, float* out) const {
        for (int x = 0; x < width; ++x, in += Step, out += 4) {
            out[0] = kUnitOfByte[in[2]];
            out[1] = kUnitOfByte[in[1]];
            out[2] = kUnitOfByte[in[0]];
            out[3] = 1.0f;
        }
    }

    float* destination;
    int width;
};

}  // namespace

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
    // Not zeroed: every texel is written below, whatever the picture gives.
    std::unique_ptr<float[]> texels(new float[static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4]);
    readBitmapPixels(texels.get(), bitmapId, size, size);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGBA, GL_FLOAT, texels.get());

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

void BitmapTexture::readBitmapPixels(float* destination, std::uint16_t bitmapId, int width, int height) {
    TexelRows rows(destination, width);
    if (platform::readBitmapRows(bitmapId, width, height, rows)) return;
    std::fill_n(destination, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0.0f);
}

}  // namespace ondalith
