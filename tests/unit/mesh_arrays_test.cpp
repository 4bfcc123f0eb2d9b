#include <gtest/gtest.h>

#include <cmath>

#include "mesh/glfw_drawable_mesh.h"
#include "mesh/glfw_drawable_sky.h"
#include "mesh/interleaved_mesh.h"
#include "mesh/vertex_layout.h"
#include "resource_ids.h"
#include "test_resource_ids.h"

namespace ondalith {
namespace {

// The interleaved mesh, built with the reader's progress lines kept off the test output.
struct Built {
    Built(std::uint16_t obj, std::uint16_t mtl, float scale) {
        testing::internal::CaptureStdout();
        mesh = new InterleavedMesh(obj, mtl, scale);
        testing::internal::GetCapturedStdout();
    }
    ~Built() { delete mesh; }
    const float* vertex(std::int32_t v) const { return mesh->vertexData + v * VertexLayout::kStrideFloats; }
    InterleavedMesh* mesh;
};

void expectNear3(const float* got, float x, float y, float z) {
    EXPECT_NEAR(got[0], x, 1e-6f);
    EXPECT_NEAR(got[1], y, 1e-6f);
    EXPECT_NEAR(got[2], z, 1e-6f);
}

TEST(MeshArraysTest, LayoutOffsets) {
    std::int32_t next = 0;
    for (const VertexLayout::Attribute& a : VertexLayout::kAll) {
        EXPECT_EQ(a.offset, next) << a.name;
        next += a.components;
    }
    EXPECT_EQ(next, VertexLayout::kStrideFloats);
}

TEST(MeshArraysTest, RoundedCube) {
    const Built b(IDT_ROUNDED_CUBE_OBJ, IDT_ROUNDED_CUBE_MTL, 0.2f);
    const InterleavedMesh& m = *b.mesh;
    ASSERT_EQ(m.vertexCount, 384);
    ASSERT_EQ(m.indexCount, 564);
    EXPECT_EQ(m.vertexCount * m.strideFloats * sizeof(float), 36864u);
    EXPECT_EQ(m.indexCount * sizeof(std::uint32_t), 2256u);
    EXPECT_EQ(m.specularOffset, 20);

    float lo = 0.0f, hi = 0.0f;
    for (std::int32_t v = 0; v < m.vertexCount; ++v) {
        const float* p = b.vertex(v);
        for (int c = 0; c < 3; ++c) {
            lo = std::min(lo, p[c]);
            hi = std::max(hi, p[c]);
        }
        const float* n = p + VertexLayout::kNormal.offset;
        EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0f, 1e-5f) << v;
        expectNear3(p + VertexLayout::kAmbient.offset, 1.0f, 0.0f, 1.0f);
        expectNear3(p + VertexLayout::kDiffuse.offset, 0.64f, 0.04f, 0.64f);
        expectNear3(p + VertexLayout::kSpecular.offset, 0.5f, 0.0f, 0.5f);
        EXPECT_FLOAT_EQ(p[VertexLayout::kSpecular.offset + 3], 96.0784f);
    }
    EXPECT_FLOAT_EQ(lo, -0.99912f);
    EXPECT_FLOAT_EQ(hi, 0.99912f);

    // Each triangle's normal is its face's unit normal and points into the cube.
    for (std::int32_t i = 0; i < m.indexCount; i += 3) {
        const float* a = b.vertex(static_cast<std::int32_t>(m.indexData[i]));
        const float* bb = b.vertex(static_cast<std::int32_t>(m.indexData[i + 1]));
        const float* c = b.vertex(static_cast<std::int32_t>(m.indexData[i + 2]));
        const Vec3 pa{a[0], a[1], a[2]}, pb{bb[0], bb[1], bb[2]}, pc{c[0], c[1], c[2]};
        const Vec3 geometric = normalize(cross(pb - pa, pc - pa));
        const Vec3 n{a[5], a[6], a[7]};
        const Vec3 centre = pa + pb + pc;
        EXPECT_LT(n.x * centre.x + n.y * centre.y + n.z * centre.z, 0.0f) << i;
        EXPECT_GT(std::fabs(n.x * geometric.x + n.y * geometric.y + n.z * geometric.z), 0.99f) << i;
    }
}

TEST(MeshArraysTest, BackgroundRectangle) {
    const Built b(IDT_RECTANGLE_OBJ, IDT_RECTANGLE_MTL, 500.0f);
    const InterleavedMesh& m = *b.mesh;
    ASSERT_EQ(m.vertexCount, 6);
    ASSERT_EQ(m.indexCount, 6);
    EXPECT_EQ(m.vertexCount * m.strideFloats * sizeof(float), 576u);
    float xMin = 1e9f, xMax = -1e9f, yMin = 1e9f, yMax = -1e9f;
    for (std::int32_t v = 0; v < 6; ++v) {
        const float* p = b.vertex(v);
        xMin = std::min(xMin, p[0]);
        xMax = std::max(xMax, p[0]);
        yMin = std::min(yMin, p[1]);
        yMax = std::max(yMax, p[1]);
        EXPECT_EQ(m.indexData[v], static_cast<std::uint32_t>(v));
        expectNear3(p + VertexLayout::kNormal.offset, 0, 0, 1);
        expectNear3(p + VertexLayout::kTangent.offset, 1, 0, 0);
        expectNear3(p + VertexLayout::kBitangent.offset, 0, 1, 0);
    }
    EXPECT_FLOAT_EQ(xMin, -1250.0f);
    EXPECT_FLOAT_EQ(xMax, 1250.0f);
    EXPECT_FLOAT_EQ(yMin, -1315.1f);
    EXPECT_FLOAT_EQ(yMax, 1184.9f);
    EXPECT_FLOAT_EQ(b.vertex(0)[3], 0.0f);  // texture coordinate of the first corner: (0, 1)
    EXPECT_FLOAT_EQ(b.vertex(0)[4], 1.0f);
}

TEST(MeshArraysTest, MeshesFollowEachOtherAndTheLastTriangleSetsTangents) {
    const Built b(IDT_TEST_TANGENT_QUAD, IDT_TEST_MISSING_MODEL, 2.0f);
    const InterleavedMesh& m = *b.mesh;
    ASSERT_EQ(m.vertexCount, 7);
    ASSERT_EQ(m.indexCount, 9);
    const std::uint32_t expected[] = {0, 1, 3, 1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(m.indexData[i], expected[i]) << i;
    expectNear3(b.vertex(2), 2, 2, 0);
    expectNear3(b.vertex(2) + VertexLayout::kNormal.offset, 0, 0, -1);

    // The quadrilateral's triangles (0,1,3) and (1,2,3): corners 1, 2 and 3 keep the second's.
    const float s = 1.0f / std::sqrt(5.0f);
    expectNear3(b.vertex(0) + VertexLayout::kBitangent.offset, 0, 1, 0);
    for (std::int32_t v : {1, 2, 3}) expectNear3(b.vertex(v) + VertexLayout::kBitangent.offset, -s, 2 * s, 0);
    for (std::int32_t v = 0; v < 7; ++v) expectNear3(b.vertex(v) + VertexLayout::kTangent.offset, 1, 0, 0);
    expectNear3(b.vertex(6) + VertexLayout::kBitangent.offset, 0, 1, 0);
    expectNear3(b.vertex(6) + VertexLayout::kAmbient.offset, 0, 0, 0);  // no material bound
}

TEST(MeshArraysDeathTest, MissingModelEndsTheProcessWithZero) {
    EXPECT_EXIT(GLFWDrawableMesh(nullptr, nullptr, nullptr, "CubeProgram", IDT_TEST_MISSING_MODEL,
                                 IDT_ROUNDED_CUBE_MTL, 0.2f),
                testing::ExitedWithCode(0), "^Debug: Failed to load mesh\n$");
    EXPECT_EXIT(GLFWDrawableSky(nullptr, nullptr, nullptr, "BackgroundProgram", IDT_TEST_MISSING_MODEL,
                                IDT_RECTANGLE_MTL, 500.0f),
                testing::ExitedWithCode(0), "Debug: Failed to load mesh");
}

}  // namespace
}  // namespace ondalith
