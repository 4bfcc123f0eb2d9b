#include "render/vector_math.h"

#include <cmath>

namespace ondalith {
namespace {

// The trigonometry runs in double on the single-precision argument and is rounded back
// once, so the result does not depend on the float routines of a C library.
float sinOf(float a) { return static_cast<float>(std::sin(static_cast<double>(a))); }
float cosOf(float a) { return static_cast<float>(std::cos(static_cast<double>(a))); }
float tanOf(float a) { return static_cast<float>(std::tan(static_cast<double>(a))); }

}  // namespace

float length(Vec3 a) {
    float sum = a[0] * a[0];
    sum += a[1] * a[1];
    sum += a[2] * a[2];
    return std::sqrt(sum);
}

Vec3 normalize(Vec3 a) { return a / length(a); }

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 result(0.0f);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a[k][j] * b[i][k];
            result[i][j] = sum;
        }
    }
    return result;
}

float radians(float degrees) { return degrees * 0.017453292f; }

Mat4 perspective(float fovyDegrees, float aspect, float nearPlane, float farPlane) {
    const float t = tanOf(radians(0.5f * fovyDegrees));
    const float f = 1.0f / t;
    return Mat4({f / aspect, 0, 0, 0}, {0, f, 0, 0},
                {0, 0, (nearPlane + farPlane) / (nearPlane - farPlane), -1},
                {0, 0, 2.0f * nearPlane * farPlane / (nearPlane - farPlane), 0});
}

Mat4 lookAt(Vec3 eye, Vec3 target, Vec3 up) {
    const Vec3 f = normalize(target - eye);
    const Vec3 u = normalize(up);
    const Vec3 s = cross(f, u);
    const Vec3 v = cross(s, f);
    const Mat4 r({s.x, v.x, -f.x, 0}, {s.y, v.y, -f.y, 0}, {s.z, v.z, -f.z, 0}, {0, 0, 0, 1});
    return r * translate(-eye);
}

Mat4 translate(float x, float y, float z) {
    return Mat4({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1});
}

Mat4 translate(Vec3 v) { return translate(v.x, v.y, v.z); }

Mat4 rotate(float angleDegrees, float x, float y, float z) {
    const float a = radians(angleDegrees);
    const float ca = cosOf(a);
    const float sa = sinOf(a);
    const float k = 1.0f - ca;
    return Mat4({x * x * k + ca, y * x * k + z * sa, x * z * k - y * sa, 0},
                {y * x * k - z * sa, y * y * k + ca, y * z * k + x * sa, 0},
                {x * z * k + y * sa, y * z * k - x * sa, z * z * k + ca, 0},
                {0, 0, 0, 1});
}

Mat4 rotate(float angleDegrees, Vec3 axis) { return rotate(angleDegrees, axis.x, axis.y, axis.z); }

}  // namespace ondalith
