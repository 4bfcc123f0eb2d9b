// The cube field's vertex stage on the GPU against the CPU model: every instance, every
// vertex, at times chosen around the pass boundaries, captured by transform feedback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "render/glfw_program.h"
#include "resource_ids.h"
#include "support/cube_reference.h"
#include "support/gl_context.h"

namespace ondalith::test {
namespace {

constexpr int kInstances = 10000;
constexpr int kVertices = 384;  // as many as the rounded cube has
constexpr int kChunk = 48;      // vertices captured per draw, to keep the buffer small

// Where the GPU and the double-precision model part, and by how much:
// - t is the same 32-bit float on both sides, and what the wave makes of it is exact or
//   nearly so (t - 15 n is exact, the wave's row is off by less than 1e-5).
// - The flicker's argument 2t + 1.8x + 1.7y is rounded to float twice: up to one ulp of
//   the argument, which grows with t: 6.1e-5 below t = 240 s, 9.8e-4 at t = 4096 s and
//   2.0e-3 at t = 8198 s (argument 16,742); reducing it for the sine costs about another
//   ulp. The flicker then moves by up to 0.3 x 2 ulp: at t = 8198 s the green by 1.7e-3
//   (relative) and the clip coordinates, through the z-shift of up to 5 x flicker, by 6e-3.
//   No fixed tolerance takes that, so a vertex that misses at the cube's own flicker gets
//   one that explains it from within the argument's slack (argumentSlack), the same for
//   every vertex of its instance where it can. Below 240 s none needs it; from 4096 s on,
//   3 to 10 % do, so the worst error of the others reads just below the limit there.
// - What is left does not grow with t, and the tolerances are set from it, not from what
//   a driver gave. Clip coordinates (below 256): a few roundings of ulp(256) / 2 = 7.6e-6
//   in the position and the matrix product, about 3e-5; a GPU that blends texels with
//   8-bit weights misses the ramp atlas's height by up to 2 x 1/256 x 1/512 = 1.5e-5, 4e-5
//   after the z-shift: 7e-5 in all, 2e-4 allowed. Colours (to about 6, relative above 1):
//   normalize, reflect and a pow built from exp2 and log2 stay within a few ulp, about
//   1.2e-5; the same height error gives 1.9 x 2.92 x 0.6 x 1.5e-5 = 5e-5; the yellow shift
//   adds 0.7 x the three channels' errors, so 3.1 x 6.2e-5 = 1.9e-4 in all, 2e-4 allowed.
//   llvmpipe, after the fit: 2.0e-5 and 2.7e-5.
constexpr double kClipTolerance = 2e-4;
constexpr double kColourTolerance = 2e-4;

// The saver's cube program, built from its text resources as the scene builds it, then
// linked again with its position and colour kept for capture.
GLuint captureProgram() {
    auto* cube = new GLFWProgram(IDT_CUBE_VERTEX, IDT_CUBE_FRAGMENT);  // lives as long as the context
    const GLuint program = cube->programId();
    const char* varyings[] = {"gl_Position", "color"};
    glTransformFeedbackVaryings(program, 2, varyings, GL_INTERLEAVED_ATTRIBS);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    EXPECT_TRUE(ok);
    return program;
}

// A test atlas of gentle ramps, one direction and level per tile, black in part of every
// tile: a wrong tile, a mirrored tile or a shifted sample shows at once, while the
// coarse blend weights some GPUs use change little on so shallow a slope.
ReferenceAtlas rampAtlas() {
    ReferenceAtlas atlas;
    atlas.size = 1024;
    atlas.red.resize(1024 * 1024);
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const int k = (x / 256) + 4 * (3 - y / 256);  // tile k counts rows from the top
            const double angle = 0.3 + k * 0.3927;
            const double px = x % 256 - 127.5, py = y % 256 - 127.5;
            const double value = 0.35 + 0.02 * k + (std::cos(angle) * px + std::sin(angle) * py) / 256.0;
            const bool border = x % 256 == 0 || x % 256 == 255 || y % 256 == 0 || y % 256 == 255;
            atlas.red[static_cast<size_t>(y) * 1024 + x] = border ? 0.5f : static_cast<float>(std::clamp(value, 0.0, 1.0));
        }
    }
    return atlas;
}

GLuint uploadAtlas(const ReferenceAtlas& atlas) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, atlas.size, atlas.size, 0, GL_RED, GL_FLOAT, atlas.red.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    return texture;
}

// Points all over a cube of edge 2 (within +-1, like the scaled rounded cube) with unit
// normals pointing inwards, as the model's face normals do.
struct Vertices {
    float position[kVertices][3];
    float normal[kVertices][3];
};

Vertices cubeVertices() {
    Vertices v{};
    for (int i = 0; i < kVertices; ++i) {
        const double z = 1.0 - (2.0 * i + 1.0) / kVertices, r = std::sqrt(1.0 - z * z), phi = i * 2.399963;
        const double d[3] = {r * std::cos(phi), r * std::sin(phi), z};
        const double extent = std::max({std::fabs(d[0]), std::fabs(d[1]), std::fabs(d[2])});
        for (int c = 0; c < 3; ++c) {
            v.position[i][c] = static_cast<float>(0.999 * d[c] / extent);
            v.normal[i][c] = static_cast<float>(-d[c]);
        }
    }
    return v;
}

// The saver's matrices: model = translate(0, 0, 5); projection x view for a 16:9 window
// with the eye at z = 150 looking down -z, 50 degrees, near 0.1, far 500.
void sceneMatrices(float modelWorld[16], float worldProjection[16]) {
    std::fill(modelWorld, modelWorld + 16, 0.0f);
    modelWorld[0] = modelWorld[5] = modelWorld[10] = modelWorld[15] = 1.0f;
    modelWorld[14] = 5.0f;
    const double f = 1.0 / std::tan(25.0 * 3.14159265358979 / 180.0), aspect = 16.0 / 9.0, n = 0.1, fa = 500.0;
    double proj[16] = {};
    proj[0] = f / aspect;
    proj[5] = f;
    proj[10] = (fa + n) / (n - fa);
    proj[11] = -1.0;
    proj[14] = 2.0 * fa * n / (n - fa);
    // The view only moves the eye to z = 150: its product with the projection adds
    // -150 times the z column to the translation column.
    for (int i = 0; i < 16; ++i) worldProjection[i] = static_cast<float>(proj[i]);
    for (int row = 0; row < 4; ++row) worldProjection[12 + row] = static_cast<float>(proj[12 + row] - 150.0 * proj[8 + row]);
}

// How far the GPU's float sine argument and sine may stray from the exact one.
double argumentSlack(double argument) {
    const double ulp = std::ldexp(1.0, std::ilogb(static_cast<float>(argument)) - 23);
    return 2.0 * ulp + 1e-7 * argument + 1e-4;
}

struct Comparison {
    long compared = 0, skipped = 0, failed = 0, fitted = 0;
    double worstClip = 0, worstColour = 0;    // at the cube's own flicker, where that passed
    double fittedClip = 0, fittedColour = 0;  // at the fitted flicker, where the own one did not
};

void compareChunk(const float* gpu, int first, int count, const ReferenceAtlas& atlas, const CubeUniforms& uniforms,
                  const Vertices& v, Comparison& result) {
    for (int instance = 0; instance < kInstances; ++instance) {
        const CubeInstance cube = cubeInstance(instance, uniforms.time, atlas);
        if (cube.knifeEdge) {
            result.skipped += count;
            continue;
        }
        double low = 1.0, high = 1.0;
        if (cube.height > 0.0) flickerRange(cube.flickerArgument, argumentSlack(cube.flickerArgument), low, high);
        double fittedFlicker = -1.0;  // the instance's, once a vertex needed it: one sine per instance
        for (int j = 0; j < count; ++j) {
            const int vertex = first + j;
            const float* out = gpu + (static_cast<size_t>(instance) * count + j) * 8;
            auto errors = [&](const CubeVertex& ref, double& clip, double& colour) {
                clip = colour = 0.0;
                for (int c = 0; c < 4; ++c) {
                    clip = std::max(clip, std::fabs(out[c] - ref.clip[c]));
                    colour = std::max(colour, std::fabs(out[4 + c] - ref.color[c]) / std::max(1.0, std::fabs(ref.color[c])));
                }
            };
            double clip, colour;
            errors(cubeVertex(cube, uniforms, v.position[vertex], v.normal[vertex]), clip, colour);
            // A raised cube's result follows the flicker, and the colour has kinks in it;
            // the GPU passes if one flicker within the sine's slack explains all of it.
            // A scan, narrowed three times around its best point, finds that flicker.
            auto badness = [&](double c, double k) { return std::max(c / kClipTolerance, k / kColourTolerance); };
            const bool needsFit = badness(clip, colour) > 1.0 && low < high;
            if (needsFit && fittedFlicker >= 0.0) {
                double c, k;
                errors(cubeVertex(cube, uniforms, v.position[vertex], v.normal[vertex], fittedFlicker), c, k);
                if (badness(c, k) <= 1.0) clip = c, colour = k;
            }
            if (needsFit && badness(clip, colour) > 1.0) {
                double best = badness(clip, colour), bestFlicker = std::clamp(flickerOf(cube.flickerArgument), low, high);
                double step = (high - low) / 32.0, from = low;
                for (int level = 0; level < 4; ++level) {
                    for (int i = 0; i <= (level == 0 ? 32 : 16); ++i) {
                        const double flicker = std::min(high, from + step * i);
                        double c, k;
                        errors(cubeVertex(cube, uniforms, v.position[vertex], v.normal[vertex], flicker), c, k);
                        if (badness(c, k) < best) {
                            best = badness(c, k);
                            bestFlicker = flicker;
                            clip = c;
                            colour = k;
                        }
                    }
                    from = std::max(low, bestFlicker - step);
                    step /= 8.0;
                }
                fittedFlicker = bestFlicker;
            }
            if (needsFit) {
                ++result.fitted;
                result.fittedClip = std::max(result.fittedClip, clip);
                result.fittedColour = std::max(result.fittedColour, colour);
            } else {
                result.worstClip = std::max(result.worstClip, clip);
                result.worstColour = std::max(result.worstColour, colour);
            }
            ++result.compared;
            if (clip > kClipTolerance || colour > kColourTolerance) {
                if (++result.failed <= 5)
                    ADD_FAILURE() << "t " << uniforms.time << " instance " << instance << " vertex " << vertex
                                  << " clip off by " << clip << " colour off by " << colour << "; height "
                                  << cube.height << " gpu (" << out[0] << ", " << out[1] << ", " << out[2] << ", "
                                  << out[3] << ") colour (" << out[4] << ", " << out[5] << ", " << out[6] << ")";
            }
        }
    }
}

TEST(CubeWaveTest, GpuMatchesTheReferenceForEveryInstanceAndVertex) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    const GLuint program = captureProgram();
    glUseProgram(program);

    const ReferenceAtlas atlas = rampAtlas();
    uploadAtlas(atlas);
    const Vertices vertices = cubeVertices();

    CubeUniforms uniforms{};
    float modelWorld[16], worldProjection[16];
    sceneMatrices(modelWorld, worldProjection);
    for (int i = 0; i < 16; ++i) {
        uniforms.modelWorld[i] = modelWorld[i];
        uniforms.worldProjection[i] = worldProjection[i];
    }
    uniforms.lightPos = {0.0, 0.0, 250.0};
    glUniformMatrix4fv(glGetUniformLocation(program, "model_world"), 1, GL_FALSE, modelWorld);
    glUniformMatrix4fv(glGetUniformLocation(program, "world_projection"), 1, GL_FALSE, worldProjection);
    glUniform3f(glGetUniformLocation(program, "light_pos"), 0.0f, 0.0f, 250.0f);
    glUniform1i(glGetUniformLocation(program, "s"), 0);

    GLuint buffers[2];
    glGenBuffers(2, buffers);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    std::vector<float> stream;
    for (int i = 0; i < kVertices; ++i) {
        stream.insert(stream.end(), vertices.position[i], vertices.position[i] + 3);
        stream.insert(stream.end(), vertices.normal[i], vertices.normal[i] + 3);
    }
    glBufferData(GL_ARRAY_BUFFER, stream.size() * sizeof(float), stream.data(), GL_STATIC_DRAW);
    const GLint position = glGetAttribLocation(program, "position");
    const GLint normal = glGetAttribLocation(program, "position_normal");
    ASSERT_GE(position, 0);
    ASSERT_GE(normal, 0);
    glEnableVertexAttribArray(position);
    glVertexAttribPointer(position, 3, GL_FLOAT, GL_FALSE, 24, nullptr);
    glEnableVertexAttribArray(normal);
    glVertexAttribPointer(normal, 3, GL_FLOAT, GL_FALSE, 24, reinterpret_cast<void*>(12));

    const size_t chunkFloats = static_cast<size_t>(kInstances) * kChunk * 8;
    glBindBuffer(GL_TRANSFORM_FEEDBACK_BUFFER, buffers[1]);
    glBufferData(GL_TRANSFORM_FEEDBACK_BUFFER, chunkFloats * sizeof(float), nullptr, GL_STREAM_READ);
    glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, buffers[1]);
    glEnable(GL_RASTERIZER_DISCARD);

    // Inside the first pass; at and around the ends of passes 0, 1, 14 and 15 (even
    // and odd passes, the wave turning at both ends); rows met exactly by the wave; the
    // cycle's wrap to tile 0; and late times where a float second is coarse.
    const float times[] = {0.0f,    3.3f,    7.5f,    14.999f, 15.0f,   15.001f, 19.5f,   29.99f,  30.0f,
                           30.01f,  34.5f,   224.99f, 225.0f,  225.5f,  231.7f,  239.99f, 240.0f,  240.01f,
                           247.3f,  4095.3f, 4096.0f, 4101.7f, 8191.2f, 8192.0f, 8197.9f};
    Comparison total;
    for (float t : times) {
        uniforms.time = t;
        glUniform1f(glGetUniformLocation(program, "iTime"), t);
        Comparison result;
        for (int first = 0; first < kVertices; first += kChunk) {
            glBeginTransformFeedback(GL_POINTS);
            glDrawArraysInstanced(GL_POINTS, first, kChunk, kInstances);
            glEndTransformFeedback();
            const float* gpu = static_cast<const float*>(
                glMapBufferRange(GL_TRANSFORM_FEEDBACK_BUFFER, 0, chunkFloats * sizeof(float), GL_MAP_READ_BIT));
            ASSERT_NE(gpu, nullptr);
            compareChunk(gpu, first, kChunk, atlas, uniforms, vertices, result);
            glUnmapBuffer(GL_TRANSFORM_FEEDBACK_BUFFER);
        }
        std::printf("t %9.3f: %ld vertices compared, %ld on a knife edge left out; at their own flicker worst clip %.2e, "
                    "colour %.2e (relative above 1); %ld fitted to their instance's flicker, worst then %.2e, %.2e\n",
                    t, result.compared, result.skipped, result.worstClip, result.worstColour, result.fitted,
                    result.fittedClip, result.fittedColour);
        EXPECT_LE(result.skipped, 3 * 100 * kVertices) << "more than three rows left out at t " << t;
        EXPECT_EQ(result.failed, 0) << "t " << t;
        total.compared += result.compared;
        total.worstClip = std::max(total.worstClip, result.worstClip);
        total.worstColour = std::max(total.worstColour, result.worstColour);
        total.fittedClip = std::max(total.fittedClip, result.fittedClip);
        total.fittedColour = std::max(total.fittedColour, result.fittedColour);
    }
    std::printf("all: %ld vertices; at their own flicker worst clip %.2e (limit %.0e), colour %.2e (limit %.0e); "
                "fitted %.2e, %.2e\n",
                total.compared, total.worstClip, kClipTolerance, total.worstColour, kColourTolerance, total.fittedClip,
                total.fittedColour);
    glDisable(GL_RASTERIZER_DISCARD);
}

}  // namespace
}  // namespace ondalith::test
