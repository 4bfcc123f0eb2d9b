// The picture's time over long runs: its steps stay as fine as early in a run, and
// bringing it back changes nothing that float rounding would not change anyway.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "app/picture_time.h"
#include "support/cube_reference.h"

namespace ondalith {
namespace {

TEST(PictureTimeTest, FramesStaySmoothAfterAnHourTenDaysAndAYear) {
    constexpr double kFrame = 1.0 / 60.0;
    for (const double start : {3600.0, 10 * 86400.0, 365 * 86400.0}) {
        // A second of frames, so that no lucky rounding at one instant decides it.
        double worst = 0.0;
        for (int i = 0; i < 60; ++i) {
            const double now = start + i * kFrame;
            const double step = static_cast<double>(pictureTime(now + kFrame)) - pictureTime(now);
            worst = std::max(worst, std::fabs(step - kFrame));
        }
        EXPECT_LT(worst, 0.001) << "a frame's step after " << start << " s is off by " << worst * 1000 << " ms";
    }
}

// Red that differs from tile to tile and across each tile, so that a wrong tile shows.
test::ReferenceAtlas patternAtlas() {
    test::ReferenceAtlas atlas;
    atlas.size = 16;
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i) atlas.red.push_back(static_cast<float>(((i * 7 + j * 3) % 11) / 10.0));
    return atlas;
}

TEST(PictureTimeTest, TheWrapChangesTheVertexStageByNoMoreThanItsFloatError) {
    const double wrap = kFirstPassSeconds + kPictureSpanSeconds;
    // A microsecond apart, the same moment in float on either side of the wrap.
    const float before = pictureTime(wrap - 1e-6);
    const float after = pictureTime(wrap);
    ASSERT_GT(before, kPictureSpanSeconds) << "no wrap yet just before it";
    ASSERT_EQ(after, 15.0f) << "the wrap must land on the end of the first pass, not before it";

    test::CubeUniforms uniforms{};
    uniforms.modelWorld = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 5, 1};
    const double f = 1.0 / std::tan(25.0 * 3.14159265358979 / 180.0), n = 0.1, fa = 500.0;
    uniforms.worldProjection = {f * 9 / 16, 0, 0, 0, 0, f, 0, 0, 0, 0, (fa + n) / (n - fa), -1,
                                0, 0, 2 * fa * n / (n - fa) + 150 * (fa + n) / (fa - n), 150};
    uniforms.lightPos = {0.0, 0.0, 250.0};
    const float corners[8][3] = {{-1, -1, -1}, {1, -1, -1}, {-1, 1, -1}, {1, 1, -1},
                                 {-1, -1, 1},  {1, -1, 1},  {-1, 1, 1},  {1, 1, 1}};

    // The sine's argument 2t + 1.8x + 1.7y, in float on the GPU: t rounded (half an ulp,
    // doubled) and the sum rounded (half an ulp of the sum).
    auto ulp = [](double x) { return std::ldexp(1.0, std::ilogb(static_cast<float>(x)) - 23); };
    const test::ReferenceAtlas atlas = patternAtlas();
    int raised = 0, outside = 0;
    for (int instance = 0; instance < 10000; ++instance) {
        const test::CubeInstance b = test::cubeInstance(instance, before, atlas);
        const test::CubeInstance a = test::cubeInstance(instance, after, atlas);
        ASSERT_EQ(b.tile, a.tile) << instance;
        ASSERT_EQ(b.nextTile, a.nextTile) << instance;
        ASSERT_EQ(b.waveY, a.waveY) << instance;
        ASSERT_EQ(b.height, a.height) << instance;
        if (b.height > 0.0) ++raised;
        double low = 1.0, high = 1.0;
        const double slack = ulp(before) + ulp(b.flickerArgument) / 2;
        if (b.height > 0.0) test::flickerRange(b.flickerArgument, slack, low, high);
        for (const auto& corner : corners) {
            const float normal[3] = {-corner[0], -corner[1], -corner[2]};
            const test::CubeVertex got = test::cubeVertex(a, uniforms, corner, normal);
            // What the flickers within float rounding of the one before the wrap give; the
            // colour's clamps put kinks in it, so it is sampled across the range.
            std::array<double, 8> least, most;
            least.fill(1e300);
            most.fill(-1e300);
            for (int k = 0; k <= 16; ++k) {
                const test::CubeVertex v = test::cubeVertex(b, uniforms, corner, normal, low + (high - low) * k / 16);
                for (int c = 0; c < 4; ++c) {
                    least[c] = std::min(least[c], v.clip[c]), most[c] = std::max(most[c], v.clip[c]);
                    least[4 + c] = std::min(least[4 + c], v.color[c]), most[4 + c] = std::max(most[4 + c], v.color[c]);
                }
            }
            for (int c = 0; c < 8; ++c) {
                const double value = c < 4 ? got.clip[c] : got.color[c - 4];
                const double margin = 1e-9 + (most[c] - least[c]) / 16;
                if ((value < least[c] - margin || value > most[c] + margin) && ++outside <= 3)
                    ADD_FAILURE() << "instance " << instance << (c < 4 ? " clip " : " colour ") << c % 4 << ": "
                                  << value << " after the wrap, " << least[c] << " .. " << most[c] << " before";
            }
        }
    }
    EXPECT_EQ(outside, 0) << "vertices that the wrap moved by more than float rounding";
    EXPECT_GT(raised, 1000) << "too few raised cubes for the flicker to be compared";
}

}  // namespace
}  // namespace ondalith
