#pragma once
// The texture set-up as it was before the byte table, kept to be timed beside today's
// in the same run: a zeroed float buffer, the picture first copied out as bytes, then a
// division per channel. Same GL calls, same texels.
#include <cstdint>

#include <glad/gl.h>

namespace ondalith::bench {

GLuint referenceTexture(std::uint16_t bitmapId, int size);

}  // namespace ondalith::bench
