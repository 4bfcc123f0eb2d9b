#pragma once
// Single-precision vectors and column-major 4 x 4 matrices in OpenGL's conventions.

namespace ondalith {

struct Vec3 {
    float x, y, z;
};

}  // namespace ondalith
