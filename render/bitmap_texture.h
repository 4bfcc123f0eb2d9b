#pragma once
// A square GL texture of float texels made from a BITMAP resource: the picture's
// bottom row is texture row 0, red, green and blue are the bytes / 255, alpha is 1.
#include <cstdint>

#include <glad/gl.h>

namespace ondalith {

class BitmapTexture {
public:
    // size: texels per side, equal to the picture's width and height. Leaves the
    // texture bound to GL_TEXTURE_2D on unit 0.
    BitmapTexture(std::uint16_t bitmapId, int size);

    GLuint id() const { return texture; }

    // The storage's level count: log2(size) for sizes from 2 up, 1 for size 1.
    static int levelCount(int size);

private:
    // Writes every texel of the buffer: a picture that cannot be read gives transparent
    // black, as the zeroed buffer it once went into did.
    static void readBitmapPixels(float* destination, std::uint16_t bitmapId, int width, int height);

    GLuint texture = 0;
};

}  // namespace ondalith
