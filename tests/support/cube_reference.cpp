#include "support/cube_reference.h"

#include <algorithm>
#include <cmath>

namespace ondalith::test {

namespace {

// Knife-edge margins: well above float rounding of the quantities compared, far below
// any step the field takes.
constexpr double kHeightEdge = 1e-4;
constexpr double kRowEdge = 1e-3;

using V3 = std::array<double, 3>;

V3 sub(const V3& a, const V3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double dot(const V3& a, const V3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
V3 scaled(const V3& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
V3 unit(const V3& a) { return scaled(a, 1.0 / std::sqrt(dot(a, a))); }

std::array<double, 4> times(const std::array<double, 16>& m, const std::array<double, 4>& v) {
    std::array<double, 4> r{};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) r[row] += m[col * 4 + row] * v[col];
    return r;
}

int wrap(int i, int n) { return ((i % n) + n) % n; }

}  // namespace

double ReferenceAtlas::sample(double u, double v) const {
    // Texel centres sit at half-integers; the four nearest texels are blended.
    const double x = u * size - 0.5, y = v * size - 0.5;
    const double x0 = std::floor(x), y0 = std::floor(y);
    const double a = x - x0, b = y - y0;
    const int i0 = wrap(static_cast<int>(x0), size), i1 = wrap(static_cast<int>(x0) + 1, size);
    const int j0 = wrap(static_cast<int>(y0), size), j1 = wrap(static_cast<int>(y0) + 1, size);
    auto at = [&](int i, int j) { return static_cast<double>(red[static_cast<size_t>(j) * size + i]); };
    return (1 - b) * ((1 - a) * at(i0, j0) + a * at(i1, j0)) + b * ((1 - a) * at(i0, j1) + a * at(i1, j1));
}

double flickerOf(double argument) { return 0.7 + 0.3 * std::fabs(std::sin(argument)); }

void flickerRange(double argument, double slack, double& low, double& high) {
    const double a = argument - slack, b = argument + slack;
    low = std::min(flickerOf(a), flickerOf(b));
    high = std::max(flickerOf(a), flickerOf(b));
    const double halfPi = 1.5707963267948966;
    for (double m = std::ceil(a / halfPi); m * halfPi <= b; m += 1.0) {
        low = std::min(low, flickerOf(m * halfPi));
        high = std::max(high, flickerOf(m * halfPi));
    }
}

CubeInstance cubeInstance(int instance, float time, const ReferenceAtlas& atlas) {
    CubeInstance c;
    const double t = time;
    c.column = instance % 100;
    c.row = instance / 100;
    c.xShift = -75.0 + 1.5 * c.column;
    c.yShift = -75.0 + 1.5 * c.row;

    c.passCount = static_cast<int>(std::floor(t / 15.0));
    c.tile = c.passCount % 16;
    c.nextTile = (c.passCount + 1) % 16;

    // Tile k has its top-left corner at (0.25 (k mod 4), 1 - 0.25 (k div 4)); a cube
    // samples 0.005 per column rightwards and 0.005 per row downwards from the top row.
    auto pictureHeight = [&](int k) {
        const double left = 0.25 * (k % 4), top = 0.25 * (k / 4);
        return atlas.sample(left + (c.column - 25) / 200.0, 1.0 - top - (75 - c.row) / 200.0);
    };
    if (c.column > 25 && c.column < 75 && c.row > 25 && c.row < 75) {
        c.heightTexture = pictureHeight(c.tile);
        c.heightTextureNext = pictureHeight(c.nextTile);
    }
    if (t < 15.0) c.heightTexture = 0.0;

    const bool down = c.tile % 2 == 0;
    const double intoPass = t - c.passCount * 15.0;
    c.waveY = down ? 75.0 - intoPass * 10.0 : -75.0 + intoPass * 10.0;

    const double distance = std::fabs(c.yShift - c.waveY);
    if (distance < 8.0) {
        const double s = std::clamp((8.0 - distance) / 8.0, 0.0, 1.0);
        c.heightWave = 2.0 * s * s * (3.0 - 2.0 * s) * (1.0 - std::abs(c.column - 50) / 50.0);
    }

    const bool textured = c.heightTexture > 0.01 || c.heightTextureNext > 0.01;
    c.height = c.heightWave;
    if (textured) {
        const bool beforeWave = down ? c.waveY > c.yShift : c.waveY < c.yShift;
        c.height = std::max(beforeWave ? c.heightTexture : c.heightTextureNext, c.heightWave);
    }
    c.flickerArgument = 2.0 * t + 1.8 * c.column + 1.7 * c.row;

    auto near = [](double a, double b, double margin) { return a != b && std::fabs(a - b) < margin; };
    c.knifeEdge = near(c.heightTexture, 0.01, kHeightEdge) || near(c.heightTextureNext, 0.01, kHeightEdge) ||
                  (textured && near(c.waveY, c.yShift, kRowEdge)) || near(distance, 8.0, kRowEdge) ||
                  (c.height > 0.0 && c.height < kHeightEdge);
    return c;
}

std::array<double, 4> cubeColour(double height, double d, double specular, double flicker) {
    const V3 ambient{0.52, 0.81, 0.92};
    std::array<double, 4> colour{1.9 * (ambient[0] + d + specular), 1.9 * (ambient[1] + d + specular),
                                 1.9 * (ambient[2] + d + specular), 1.9};
    if (height > 0.0) colour[1] *= flicker;
    for (double& c : colour) c *= 0.4 + 0.6 * height;
    double excess = 0.0;
    for (int i = 0; i < 3; ++i) excess += std::clamp(colour[i] - ambient[i], 0.0, 1.0);
    colour[0] -= 0.1 * excess;
    colour[1] += 0.1 * excess;
    colour[2] -= 0.7 * excess;
    return colour;
}

CubeVertex cubeVertex(const CubeInstance& cube, const CubeUniforms& uniforms, const float position[3],
                      const float normal[3]) {
    return cubeVertex(cube, uniforms, position, normal, flickerOf(cube.flickerArgument));
}

CubeVertex cubeVertex(const CubeInstance& cube, const CubeUniforms& uniforms, const float position[3],
                      const float normal[3], double flicker) {
    const double zShift = cube.height * 2.5 * flicker;

    // The homogeneous position is halved as a whole: P.w is 0.5.
    std::array<double, 4> p = times(uniforms.modelWorld, {0.5 * position[0], 0.5 * position[1], 0.5 * position[2], 0.5});
    p[0] += cube.xShift;
    p[1] += cube.yShift;
    p[2] += zShift;

    const std::array<double, 4> n4 = times(uniforms.modelWorld, {normal[0], normal[1], normal[2], 0.0});
    const V3 P{p[0], p[1], p[2]};
    const V3 N = unit({n4[0], n4[1], n4[2]});
    const V3 L = unit(sub(uniforms.lightPos, P));
    const V3 V = unit(scaled(P, -1.0));
    const V3 R = sub(scaled(L, -1.0), scaled(N, 2.0 * dot(N, scaled(L, -1.0))));

    CubeVertex out;
    out.clip = times(uniforms.worldProjection, p);
    out.color = cubeColour(cube.height, std::max(dot(N, L), 0.0), std::max(dot(R, V), 0.0), flicker);
    return out;
}

}  // namespace ondalith::test
