#pragma once
// Single-precision vectors and column-major 4 x 4 matrices in OpenGL's conventions:
// column vectors, a right-handed eye space looking down -z, clip depth -1 (near) to
// +1 (far), angles in degrees. The operations are exactly those the drawing needs.
// A default-constructed Mat4 is the zero matrix; vectors are plain aggregates.

namespace ondalith {

struct Vec2 {
    float x, y;
    float& operator[](int i) { return i == 0 ? x : y; }
    float operator[](int i) const { return i == 0 ? x : y; }
};

struct Vec3 {
    float x, y, z;
    float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
};

struct Vec4 {
    float x, y, z, w;
    float& operator[](int i) { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
};

// m[i] is column i; m[i][j] is row j of it.
struct Mat4 {
    Vec4 columns[4];

    Mat4() : Mat4(0.0f) {}
    // Every element, not just the diagonal: Mat4(1) is all ones.
    explicit Mat4(float s) : columns{{s, s, s, s}, {s, s, s, s}, {s, s, s, s}, {s, s, s, s}} {}
    Mat4(Vec4 c0, Vec4 c1, Vec4 c2, Vec4 c3) : columns{c0, c1, c2, c3} {}

    Vec4& operator[](int i) { return columns[i]; }
    const Vec4& operator[](int i) const { return columns[i]; }
    // The 16 floats column after column, as glUniformMatrix4fv takes them untransposed.
    const float* data() const { return &columns[0].x; }
};
static_assert(sizeof(Mat4) == 16 * sizeof(float), "a Mat4 must be 16 packed floats");

inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
inline Vec3 operator/(Vec3 a, float s) { return {a.x / s, a.y / s, a.z / s}; }

float length(Vec3 a);
// No test for zero length: the zero vector gives non-finite components.
Vec3 normalize(Vec3 a);
Vec3 cross(Vec3 a, Vec3 b);
Mat4 operator*(const Mat4& a, const Mat4& b);
float radians(float degrees);

Mat4 perspective(float fovyDegrees, float aspect, float nearPlane, float farPlane);
// The side vector is not normalised again, so with an up that is not perpendicular to
// the view direction the first row of the result is shorter than 1.
Mat4 lookAt(Vec3 eye, Vec3 target, Vec3 up);
Mat4 translate(float x, float y, float z);
Mat4 translate(Vec3 v);
// Counter-clockwise seen from the axis's tip; the axis must already have unit length.
Mat4 rotate(float angleDegrees, float x, float y, float z);
Mat4 rotate(float angleDegrees, Vec3 axis);

}  // namespace ondalith
