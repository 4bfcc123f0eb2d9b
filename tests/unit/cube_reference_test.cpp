// The CPU model of the cube field, checked against the worked values and the rules it
// must follow, before it is trusted to judge the GPU.
#include <gtest/gtest.h>

#include <array>

#include "support/cube_reference.h"

namespace ondalith::test {
namespace {

TEST(CubeReferenceTest, ReproducesTheWorkedColours) {
    struct Row {
        double height, d, flicker;
        std::array<double, 4> colour;
    };
    const Row rows[] = {
        {0.0, 0.0, 0.85, {0.3952, 0.6156, 0.6992, 0.76}},
        {0.0, 0.5, 0.7, {0.7152, 1.0556, 0.6592, 0.76}},
        {0.0, 1.0, 1.0, {0.9812, 1.5496, 0.2412, 0.76}},
        {1.0, 0.0, 1.0, {0.7855, 1.7415, 0.3305, 1.9}},
        {1.0, 1.0, 0.7, {2.588, 2.7073, 1.548, 1.9}},
    };
    for (const Row& row : rows) {
        const auto colour = cubeColour(row.height, row.d, 0.0, row.flicker);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(colour[i], row.colour[i], 1e-9) << "height " << row.height << " d " << row.d;
    }
}

// An atlas that is full red everywhere: every cube of the sampled window is textured.
ReferenceAtlas fullAtlas() {
    ReferenceAtlas atlas;
    atlas.size = 8;
    atlas.red.assign(64, 1.0f);
    return atlas;
}

int at(int column, int row) { return row * 100 + column; }

TEST(CubeReferenceTest, FirstPassShowsNothingBeforeTheWaveAndTheNextPictureBehindIt) {
    const ReferenceAtlas atlas = fullAtlas();
    // At 5 s the down wave is at y = 25: rows above it have been passed.
    const CubeInstance before = cubeInstance(at(40, 30), 5.0f, atlas);
    const CubeInstance behind = cubeInstance(at(40, 70), 5.0f, atlas);
    EXPECT_DOUBLE_EQ(before.waveY, 25.0);
    EXPECT_DOUBLE_EQ(before.height, 0.0);
    EXPECT_DOUBLE_EQ(behind.height, 1.0);
    EXPECT_EQ(behind.nextTile, 1);
}

TEST(CubeReferenceTest, OnlyTheSampledWindowTakesPictureHeights) {
    const ReferenceAtlas atlas = fullAtlas();
    for (int i : {at(25, 50), at(75, 50), at(50, 25), at(50, 75), at(0, 0)})
        EXPECT_DOUBLE_EQ(cubeInstance(i, 100.0f, atlas).height, 0.0);
    EXPECT_DOUBLE_EQ(cubeInstance(at(26, 26), 100.0f, atlas).height, 1.0);
}

TEST(CubeReferenceTest, TheWaveRowCountsAsPassed) {
    ReferenceAtlas atlas;  // left half of every tile red, right half black
    atlas.size = 16;
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i) atlas.red.push_back((i % 4) < 2 ? 1.0f : 0.0f);
    // 19.5 s: pass 1, an up wave at y = -30, exactly on row 30.
    const CubeInstance c = cubeInstance(at(30, 30), 19.5f, atlas);
    EXPECT_EQ(c.tile, 1);
    EXPECT_DOUBLE_EQ(c.waveY, c.yShift);
    EXPECT_FALSE(c.knifeEdge);
    EXPECT_DOUBLE_EQ(c.height, std::max(c.heightTextureNext, c.heightWave));
}

TEST(CubeReferenceTest, RidgeFallsOffTowardsTheSidesAndLosesToHigherPictures) {
    ReferenceAtlas empty;
    empty.size = 4;
    empty.red.assign(16, 0.0f);
    // 15 s: the up wave stands on row 0.
    EXPECT_DOUBLE_EQ(cubeInstance(at(50, 0), 15.0f, empty).height, 2.0);
    EXPECT_DOUBLE_EQ(cubeInstance(at(0, 0), 15.0f, empty).height, 0.0);
    EXPECT_NEAR(cubeInstance(at(99, 0), 15.0f, empty).height, 0.04, 1e-12);  // twice the 0.02 fall-off
    EXPECT_DOUBLE_EQ(cubeInstance(at(50, 6), 15.0f, empty).height, 0.0);     // 9 units away
    int raised = 0;
    for (int row = 0; row < 100; ++row) raised += cubeInstance(at(50, row), 45.0f + 7.0f, empty).height > 0.0;
    EXPECT_TRUE(raised == 10 || raised == 11) << raised;
}

TEST(CubeReferenceTest, SamplesLikeALinearRepeatingTexture) {
    ReferenceAtlas atlas;
    atlas.size = 2;
    atlas.red = {0.0f, 1.0f, 0.0f, 1.0f};  // left column black, right column red
    EXPECT_DOUBLE_EQ(atlas.sample(0.25, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(atlas.sample(0.5, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(atlas.sample(0.0, 0.5), 0.5);  // halfway to the wrapped-around texel
    EXPECT_DOUBLE_EQ(atlas.sample(1.75, 0.25), 1.0);
}

}  // namespace
}  // namespace ondalith::test
