#pragma once
// A CPU model of the cube field's vertex stage, in double precision, for comparing the
// GPU's results with. It works from the described behaviour, step by step, and keeps
// track of where a result sits on a knife edge (a comparison that float rounding on
// the GPU may decide the other way), so that a test can leave those vertices out.
#include <array>
#include <vector>

namespace ondalith::test {

// A square single-channel picture sampled as GL samples a texture with linear
// filtering, no mipmaps and repeat wrapping. Row 0 is texture coordinate v = 0.
struct ReferenceAtlas {
    int size = 0;
    std::vector<float> red;  // size * size values, row after row from the bottom

    double sample(double u, double v) const;
};

struct CubeUniforms {
    std::array<double, 16> modelWorld;       // column-major
    std::array<double, 16> worldProjection;  // column-major
    std::array<double, 3> lightPos;
    float time;  // iTime, a 32-bit float as the shaders receive it
};

// What one instance contributes, whatever the vertex.
struct CubeInstance {
    int column = 0, row = 0;
    double xShift = 0, yShift = 0;
    int passCount = 0, tile = 0, nextTile = 0;
    double heightTexture = 0, heightTextureNext = 0;
    double waveY = 0, heightWave = 0;
    double height = 0;
    double flickerArgument = 0;  // the sine's argument; the flicker is 0.7 + 0.3 |sin|
    bool knifeEdge = false;      // a threshold or the wave comparison is within rounding
};

struct CubeVertex {
    std::array<double, 4> clip;
    std::array<double, 4> color;
};

CubeInstance cubeInstance(int instance, float time, const ReferenceAtlas& atlas);

// The vertex of one instance, with the cube's own flicker or, for a test that bounds what
// a coarser sine may change, with a flicker of its choice.
CubeVertex cubeVertex(const CubeInstance& cube, const CubeUniforms& uniforms, const float position[3],
                      const float normal[3]);
CubeVertex cubeVertex(const CubeInstance& cube, const CubeUniforms& uniforms, const float position[3],
                      const float normal[3], double flicker);

// The colour rule alone: d = max(N . L, 0), specular = max(R . V, 0)^1.
std::array<double, 4> cubeColour(double height, double d, double specular, double flicker);

double flickerOf(double argument);
// Lowest and highest flicker over the arguments within `slack` of `argument`.
void flickerRange(double argument, double slack, double& low, double& high);

}  // namespace ondalith::test
