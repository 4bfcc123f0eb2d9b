#include <gtest/gtest.h>

#include <cmath>

#include "render/camera.h"
#include "render/vector_math.h"

namespace ondalith {
namespace {

Vec4 apply(const Mat4& m, Vec4 v) {
    Vec4 r{0, 0, 0, 0};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k) r[row] += m[k][row] * v[k];
    return r;
}

void expectNear(const Mat4& actual, const Mat4& wanted, float tolerance = 1e-6f) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual.data()[i], wanted.data()[i], tolerance) << "element " << i;
}

void expectEqual(const Mat4& actual, const Mat4& wanted) {
    for (int i = 0; i < 16; ++i) EXPECT_EQ(actual.data()[i], wanted.data()[i]) << "element " << i;
}

TEST(Mat4Test, ColumnMajorLayoutAndConstruction) {
    const Mat4 t = translate(1, 2, 3);
    EXPECT_EQ(t.data()[12], 1.0f);  // GL reads the translation from the last four floats
    EXPECT_EQ(t.data()[13], 2.0f);
    EXPECT_EQ(t.data()[14], 3.0f);
    EXPECT_EQ(t.data()[15], 1.0f);
    EXPECT_EQ(t[3][1], 2.0f);

    const Mat4 c({1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16});
    for (int i = 0; i < 16; ++i) EXPECT_EQ(c.data()[i], float(i + 1));

    const Mat4 ones(1.0f);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ones.data()[i], 1.0f);  // not the identity
    expectEqual(Mat4(0.0f) * c, Mat4(0.0f));
}

TEST(Mat4Test, ProductKeepsTheLeftFactorOutermost) {
    expectEqual(translate(1, 2, 3) * translate(4, 5, 6), translate(5, 7, 9));
    // Turning after moving and moving after turning land the origin in different places.
    const Vec4 origin{0, 0, 0, 1};
    const Vec4 moveLast = apply(translate(1, 0, 0) * rotate(90, 0, 0, 1), origin);
    const Vec4 turnLast = apply(rotate(90, 0, 0, 1) * translate(1, 0, 0), origin);
    EXPECT_NEAR(moveLast.x, 1, 1e-6);
    EXPECT_NEAR(moveLast.y, 0, 1e-6);
    EXPECT_NEAR(turnLast.x, 0, 1e-6);
    EXPECT_NEAR(turnLast.y, 1, 1e-6);
}

TEST(PerspectiveTest, MapsNearAndFarPlanesToTheDepthRange) {
    const Mat4 p = perspective(90, 1, 1, 3);
    expectNear(p, Mat4({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -2, -1}, {0, 0, -3, 0}));
    const Vec4 nearPoint = apply(p, {0.5f, 0.25f, -1, 1});
    const Vec4 farPoint = apply(p, {0, 0, -3, 1});
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1, 1e-6);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1, 1e-6);

    const Mat4 screen = perspective(50, 1280.0f / 720.0f, 0.1f, 500);
    EXPECT_NEAR(screen[0][0], 1 / std::tan(25 * M_PI / 180) / (1280.0 / 720.0), 1e-6);
    EXPECT_NEAR(screen[1][1], 1 / std::tan(25 * M_PI / 180), 1e-6);
}

TEST(LookAtTest, StraightDownTheAxisIsATranslation) {
    expectEqual(lookAt({0, 0, 150}, {0, 0, 149}, {0, 1, 0}), translate(0, 0, -150));
}

TEST(LookAtTest, SideVectorIsNotRenormalised) {
    // Up leans 45 degrees into the view direction: S = F x U has length sin 45.
    const Mat4 m = lookAt({0, 0, 0}, {0, 0, -1}, {0, 1, 1});
    const Vec3 firstRow{m[0][0], m[1][0], m[2][0]};
    EXPECT_NEAR(length(firstRow), std::sqrt(0.5f), 1e-6);
    const Vec3 lastRow{m[0][2], m[1][2], m[2][2]};
    EXPECT_NEAR(length(lastRow), 1, 1e-6);
}

TEST(RotateTest, TurnsCounterClockwiseAboutTheAxisAsGiven) {
    expectEqual(rotate(0, 0, 0, 0), translate(0, 0, 0));
    const Vec4 turned = apply(rotate(90, Vec3{0, 0, 1}), {1, 0, 0, 1});
    EXPECT_NEAR(turned.x, 0, 1e-6);
    EXPECT_NEAR(turned.y, 1, 1e-6);
    EXPECT_EQ(turned.w, 1);
    // A half turn about (2, 0, 0): x·x·k + ca = 4·2 − 1; a normalised axis would give 1.
    EXPECT_NEAR(rotate(180, 2, 0, 0)[0][0], 7, 1e-5);
}

TEST(VectorTest, ArithmeticAndTheUncheckedZeroVector) {
    const Vec3 a{1, 2, 3}, b{4, 5, 6};
    const Vec3 c = cross(a, b);
    EXPECT_EQ(c.x, -3);
    EXPECT_EQ(c.y, 6);
    EXPECT_EQ(c.z, -3);
    EXPECT_EQ((b - a)[2], 3);
    EXPECT_EQ((-a + b)[0], 3);
    EXPECT_EQ(length(Vec3{3, 4, 12}), 13);
    const Vec2 d = Vec2{5, 7} - Vec2{1, 2};
    EXPECT_EQ(d[1], 5);
    const Vec3 n = normalize(Vec3{0, 0, 0});
    EXPECT_FALSE(std::isfinite(n.x));
}

TEST(CameraTest, ViewLooksDownFromOneHundredFifty) {
    Camera camera(0, 0, 150);
    camera.updateView(0);
    const Vec4 origin = apply(camera.activeViewMatrix(), {0, 0, 0, 1});
    const Vec4 eye = apply(camera.activeViewMatrix(), {0, 0, 150, 1});
    EXPECT_EQ(origin.z, -150);
    EXPECT_EQ(eye.x, 0);
    EXPECT_EQ(eye.y, 0);
    EXPECT_EQ(eye.z, 0);
}

TEST(CameraTest, SelectViewSwitchesSlotsWithoutRecomputing) {
    Camera camera(0, 0, 150);
    camera.updateView(0);
    camera.selectView(3);  // never filled
    expectEqual(camera.activeViewMatrix(), Mat4(0.0f));
    camera.selectView(7);  // out of range: ignored
    EXPECT_EQ(camera.activeSlot(), 3);
    camera.updateView(-1);
    EXPECT_EQ(camera.activeSlot(), 3);
    camera.selectView(0);
    expectEqual(camera.activeViewMatrix(), translate(0, 0, -150));

    camera.setProjection(perspective(50, 1280.0f / 720.0f, 0.1f, 500));
    expectEqual(camera.projectionMatrix(), perspective(50, 1280.0f / 720.0f, 0.1f, 500));
}

}  // namespace
}  // namespace ondalith
