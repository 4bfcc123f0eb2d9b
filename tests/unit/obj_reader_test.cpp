#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "mesh/obj_reader.h"
#include "resource_ids.h"
#include "test_resource_ids.h"

namespace ondalith {
namespace {

using Indices = std::vector<std::uint32_t>;

objl::Vector3 v3(float x, float y, float z) { return {x, y, z}; }

// Loads the texts with standard output captured; returns what was written there.
std::string load(ObjReader& r, const std::string& obj, const std::string& mtl = "", bool* ok = nullptr) {
    testing::internal::CaptureStdout();
    const bool result = r.loadModelText(obj, mtl);
    if (ok) *ok = result;
    return testing::internal::GetCapturedStdout();
}

ObjReader loaded(const std::string& obj, const std::string& mtl = "") {
    ObjReader r;
    load(r, obj, mtl);
    return r;
}

const char* kTriangleCorners = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0.5 0.25\nvt 1 0.75\nvn 0 0 1\nvn 0 1 0\n";

TEST(ObjReaderTest, CornerFormsAndGivenNormals) {
    const ObjReader r = loaded(std::string(kTriangleCorners) + "f 1/1/1 2/2/2 3/1/1 \n");
    ASSERT_EQ(r.meshes.size(), 1u);
    const objl::Mesh& m = r.meshes[0];
    EXPECT_EQ(m.name, "");  // no group line at all
    EXPECT_EQ(m.indices, (Indices{0, 1, 2}));
    ASSERT_EQ(m.vertices.size(), 3u);
    EXPECT_EQ(m.vertices[1].position, v3(1, 0, 0));
    EXPECT_EQ(m.vertices[1].normal, v3(0, 1, 0));
    EXPECT_EQ(m.vertices[1].texCoord.y, 0.75f);
    EXPECT_EQ(m.vertices[2].normal, v3(0, 0, 1));

    // v//n keeps the texture coordinate at zero; every corner with a normal keeps it.
    const ObjReader n = loaded(std::string(kTriangleCorners) + "f 1//2 2/2/1 3//1\n");
    EXPECT_EQ(n.meshes[0].vertices[0].normal, v3(0, 1, 0));
    EXPECT_EQ(n.meshes[0].vertices[0].texCoord.x, 0.0f);
    EXPECT_EQ(n.meshes[0].vertices[1].texCoord.x, 1.0f);
}

TEST(ObjReaderTest, FaceNormalIsUnnormalisedAndReplacesGivenOnes) {
    for (const char* face : {"f 1 2 3\n", "f 1/1 2/2 3/1\n", "f 1//2 2 3/1/1\n"}) {
        const ObjReader r = loaded(std::string(kTriangleCorners) + face);
        ASSERT_EQ(r.meshes.size(), 1u) << face;
        for (const objl::Vertex& v : r.meshes[0].vertices) EXPECT_EQ(v.normal, v3(0, 0, -1)) << face;
    }
    const ObjReader big = loaded("v 0 0 0\nv 3 0 0\nv 0 2 0\nf 1 2 3\n");
    EXPECT_EQ(big.meshes[0].vertices[0].normal, v3(0, 0, -6));
}

TEST(ObjReaderTest, NegativeIndicesCountBackFromWhatWasReadSoFar) {
    const ObjReader r = loaded("v 1 0 0\nv 2 0 0\nv 3 0 0\nf -1 -2 -3\nv 4 0 0\nf -1 1 2\n");
    const auto& v = r.meshes[0].vertices;
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[0].position.x, 3.0f);
    EXPECT_EQ(v[1].position.x, 2.0f);
    EXPECT_EQ(v[2].position.x, 1.0f);
    EXPECT_EQ(v[3].position.x, 4.0f);
    EXPECT_EQ(r.meshes[0].indices, (Indices{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(r.allIndices, r.meshes[0].indices);
}

TEST(ObjReaderTest, QuadrilateralsSplitAlongTheSecondDiagonal) {
    const ObjReader r = loaded(std::string(kTriangleCorners) + "f 1 2 3\nf 1 2 4 3\n");
    EXPECT_EQ(r.meshes[0].indices, (Indices{0, 1, 2, 3, 4, 6, 4, 5, 6}));
}

TEST(ObjReaderTest, LargerFacesLoseOneEarAtATime) {
    const std::string points = "v 0 0 0\nv 4 0 0\nv 4 4 0\nv 2 1 0\nv 0 4 0\nv 2 5 0\n";
    // Convex: the first corner's ear, then the quadrilateral rule; indices in face order.
    EXPECT_EQ(loaded(points + "f 1 2 3 6 5\n").meshes[0].indices, (Indices{0, 1, 4, 1, 2, 4, 2, 3, 4}));
    // The dent at corner 4 lies in the ears of corners 1 and 2, so corner 3 goes first.
    EXPECT_EQ(loaded(points + "f 1 2 3 4 5\n").meshes[0].indices, (Indices{1, 2, 3, 0, 1, 4, 1, 3, 4}));
}

TEST(ObjReaderTest, TriangulationAlwaysEnds) {
    // After one ear every remaining ear holds another corner: a pass clips nothing and the
    // face ends with what it has.
    const ObjReader stuck = loaded("v 2 3 0\nv 0 2 0\nv 3 0 0\nv 2 4 0\nv 1 0 0\nv 4 4 0\nf 1 2 3 4 5 6\n");
    EXPECT_EQ(stuck.meshes[0].indices, (Indices{0, 1, 5}));

    // Corners that repeat a position never give more or fewer than three indices per
    // triangle, so later triangles stay aligned.
    const ObjReader repeats = loaded(
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nv nan 0 0\nf 1 1 1 1 1 1\nf 1 2 1 3\nf 4 4 2 3 1\nf 1 2 3\n");
    const Indices& i = repeats.meshes[0].indices;
    ASSERT_EQ(i.size() % 3, 0u);
    EXPECT_EQ(i, (Indices{6, 7, 9, 15, 16, 17}));
    EXPECT_EQ(repeats.meshes[0].vertices.size(), 18u);
}

TEST(ObjReaderTest, GroupLinesNameAndFinishMeshes) {
    const std::string tri = "f 1 2 3\n";
    const std::string pos = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";

    // The first group line names the faces before it; later ones finish non-empty meshes.
    ObjReader a = loaded(pos + tri + "g first\n" + tri + "o second\n" + "g third\n" + tri);
    ASSERT_EQ(a.meshes.size(), 2u);
    EXPECT_EQ(a.meshes[0].name, "first");
    EXPECT_EQ(a.meshes[0].indices, (Indices{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(a.meshes[1].name, "third");  // "o second" found an empty mesh and was renamed
    EXPECT_EQ(a.meshes[1].indices, (Indices{0, 1, 2}));
    EXPECT_EQ(a.allIndices, (Indices{0, 1, 2, 3, 4, 5, 6, 7, 8}));

    // A line that only starts with g: "unnamed" first, its tail once it finishes a mesh.
    ObjReader b = loaded(pos + "gx\n" + tri + "group  left arm \n" + tri + "gz\n");
    ASSERT_EQ(b.meshes.size(), 2u);
    EXPECT_EQ(b.meshes[0].name, "unnamed");
    EXPECT_EQ(b.meshes[1].name, "left arm");
}

TEST(ObjReaderTest, MaterialSwitchesSplitMeshesAndBindByPosition) {
    const std::string mtl = "newmtl A\nKd 1 0 0\nnewmtl B\nKd 0 1 0\nnewmtl C\nKd 0 0 1\nnewmtl G\nKd 1 1 1\n";
    const std::string pos = "mtllib any.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n";

    ObjReader r = loaded(pos + "g G\nusemtl A\nf 1 2 3\nusemtl B\nf 1 2 3\nusemtl C\nf 1 2 3\n", mtl);
    ASSERT_EQ(r.meshes.size(), 3u);
    EXPECT_EQ(r.meshes[0].name, "G_2");
    EXPECT_EQ(r.meshes[1].name, "G_3");
    EXPECT_EQ(r.meshes[2].name, "G");
    EXPECT_EQ(r.meshes[0].material.name, "A");
    EXPECT_EQ(r.meshes[1].material.Kd, v3(0, 1, 0));
    EXPECT_EQ(r.meshes[2].material.name, "C");

    // "o" and "g" of one name, then the switch: one mesh of that name and material.
    ObjReader same = loaded(pos + "o G\ng G\nusemtl G\nf 1 2 3\n", mtl);
    ASSERT_EQ(same.meshes.size(), 1u);
    EXPECT_EQ(same.meshes[0].name, "G");
    EXPECT_EQ(same.meshes[0].material.Kd, v3(1, 1, 1));

    // More names than meshes: the first name binds to the only mesh, the rest have none.
    // An unknown name leaves the default material.
    ObjReader surplus = loaded(pos + "usemtl B\nusemtl C\nf 1 2 3\nusemtl A\n", mtl);
    ASSERT_EQ(surplus.meshes.size(), 1u);
    EXPECT_EQ(surplus.meshes[0].material.name, "B");
    ObjReader unknown = loaded(pos + "usemtl nothing\nf 1 2 3\n", mtl);
    EXPECT_EQ(unknown.meshes[0].material.name, "");
    EXPECT_EQ(unknown.meshes[0].material.Kd, v3(0, 0, 0));

    // Without an "mtllib" line no material is read at all.
    ObjReader noLib = loaded("v 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl A\nf 1 2 3\n", mtl);
    EXPECT_TRUE(noLib.materials.empty());
}

TEST(ObjReaderTest, MaterialTexts) {
    ObjReader r;
    EXPECT_TRUE(r.loadMaterialsText(
        "newmtl red\r\nKa 0.1 0.2 0.3\r\nKd 1 2\r\nKs 1 2 3 4\r\nNs 96.0784\r\nNi 1.5\r\nd 0.5\r\n"
        "illum 2\r\nmap_Kd red.bmp\r\nbump b.bmp\r\nnewmtl\nKd 5 5 5\r\n"));
    ASSERT_EQ(r.materials.size(), 2u);
    const objl::Material& red = r.materials[0];
    EXPECT_EQ(red.name, "red");
    EXPECT_EQ(red.Ka, v3(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(red.Kd, v3(0, 0, 0));  // two values: the line is skipped
    EXPECT_EQ(red.Ks, v3(0, 0, 0));
    EXPECT_EQ(red.Ns, 96.0784f);
    EXPECT_EQ(red.Ni, 1.5f);
    EXPECT_EQ(red.d, 0.5f);
    EXPECT_EQ(red.illum, 2);
    EXPECT_EQ(red.map_Kd, "red.bmp\r");
    EXPECT_EQ(red.map_bump, "b.bmp\r");
    EXPECT_EQ(r.materials[1].name, "none");
    EXPECT_EQ(r.materials[1].Kd, v3(5, 5, 5));

    // No "newmtl": still one material, unnamed. Loads accumulate.
    EXPECT_TRUE(r.loadMaterialsText("Kd 1 1 1\n"));
    ASSERT_EQ(r.materials.size(), 3u);
    EXPECT_EQ(r.materials[2].name, "");
    EXPECT_EQ(r.materials[2].Kd, v3(1, 1, 1));
    EXPECT_TRUE(r.loadMaterialsText(""));
    EXPECT_EQ(r.materials.size(), 4u);
}

TEST(ObjReaderTest, ProgressLines) {
    ObjReader r;
    const std::string out = load(r, "o Plate\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl Red\nf 1 2 3\nf 1 2 3\n");
    EXPECT_EQ(out,
              "\n"
              "\r- Plate\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0"
              "\r- Plate\t| vertices > 3\t| texcoords > 0\t| normals > 0\t| triangles > 0\t| material: Red"
              "\n");

    // Nothing without a name; then every thousandth line after the last reset.
    std::string text = "# a\n# b\ng G\n";
    for (int i = 0; i < 2000; ++i) text += "v 1 2 3\n";
    const std::string many = load(r, text);
    std::vector<std::size_t> at;
    for (std::size_t p = many.find('\r'); p != std::string::npos; p = many.find('\r', p + 1)) at.push_back(p);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_EQ(many.substr(at[0]), "\r- G\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0"
                                  "\r- G\t| vertices > 1000\t| texcoords > 0\t| normals > 0\t| triangles > 0\n");
}

TEST(ObjReaderTest, FaultyInputIsReadSafely) {
    const std::string pos = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1 1\nvn 0 0 1\n";
    // A face referring outside its lists (index 0 included) is skipped whole; the faces
    // after it are read as usual.
    for (const char* bad : {"f 0 1 2\n", "f 1 2 4\n", "f -4 1 2\n", "f 1/2 2/1 3/1\n", "f 1//2 2//1 3//1\n",
                            "f 1/1/1 2/1/1 x/1/1\n", "f 1/ /1 2 3\n", "f /1 2 3\n"}) {
        ObjReader r;
        bool ok = false;
        load(r, pos + bad + "f 3 2 1\n", "", &ok);
        EXPECT_TRUE(ok) << bad;
        ASSERT_EQ(r.meshes.size(), 1u) << bad;
        EXPECT_EQ(r.meshes[0].vertices.size(), 3u) << bad;
        EXPECT_EQ(r.meshes[0].vertices[0].position, v3(0, 1, 0)) << bad;
    }

    // Short or unreadable v/vt/vn lines still count, their missing values read as 0.
    const ObjReader s = loaded("v 1 2\nv\nv a 5 b\nvt 0.5\nvn 1\nf 1/1/1 2/1/1 3/1/1\n");
    EXPECT_EQ(s.meshes[0].vertices[0].position, v3(1, 2, 0));
    EXPECT_EQ(s.meshes[0].vertices[1].position, v3(0, 0, 0));
    EXPECT_EQ(s.meshes[0].vertices[2].position, v3(0, 5, 0));
    EXPECT_EQ(s.meshes[0].vertices[0].texCoord.x, 0.5f);
    EXPECT_EQ(s.meshes[0].vertices[0].normal, v3(1, 0, 0));

    // More than three parts: the form of the corner before; as the first corner, v/t/n.
    const ObjReader p = loaded(pos + "vt 0.5 0.5\nvn 0 1 0\nf 1/2/2/9 2/2 3/1/1/1\n");
    EXPECT_EQ(p.meshes[0].vertices[0].normal, v3(0, 0, -1));  // corner 2 has no normal
    EXPECT_EQ(p.meshes[0].vertices[0].texCoord.x, 0.5f);
    EXPECT_EQ(p.meshes[0].vertices[2].texCoord.x, 1.0f);
    const ObjReader q = loaded(pos + "vt 0.5 0.5\nvn 0 1 0\nf 1//2/1 2//2 3/1/1/1\n");
    EXPECT_EQ(q.meshes[0].vertices[0].normal, v3(0, 1, 0));
    EXPECT_EQ(q.meshes[0].vertices[2].normal, v3(0, 0, 1));    // read as v//n: no texture
    EXPECT_EQ(q.meshes[0].vertices[2].texCoord.x, 0.0f);

    // Fewer than three corners: no plane to take a normal from, nothing to draw.
    ObjReader few;
    bool ok = false;
    load(few, pos + "f 1 2\nf 3\nf\n", "", &ok);
    EXPECT_TRUE(ok);  // vertices were read
    EXPECT_TRUE(few.meshes.empty());
    ASSERT_EQ(few.allVertices.size(), 3u);
    EXPECT_EQ(few.allVertices[0].normal, v3(0, 0, 0));
    EXPECT_TRUE(few.allIndices.empty());

    // Repeated blanks between corners are not corners.
    EXPECT_EQ(loaded(pos + "f 1  2   3\n").meshes[0].vertices.size(), 3u);
}

TEST(ObjReaderTest, ResourcesReadTheSameInCrlfAndLf) {
    ObjReader crlf;
    ObjReader lf;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(crlf.loadModel(IDT_TEST_PLATE_CRLF_OBJ, IDT_TEST_PLATE_MTL));
    ASSERT_TRUE(lf.loadModel(IDT_TEST_PLATE_LF_OBJ, IDT_TEST_PLATE_MTL));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("\r- Plate\t| vertices > 5\t| texcoords > 4\t| normals > 1\t| triangles > 0\t| material: Matte"),
              std::string::npos);

    for (const ObjReader* r : {&crlf, &lf}) {
        ASSERT_EQ(r->meshes.size(), 2u);
        const objl::Mesh& quad = r->meshes[0];
        const objl::Mesh& tri = r->meshes[1];
        EXPECT_EQ(quad.name, "Plate_2");
        EXPECT_EQ(quad.indices, (Indices{0, 1, 3, 1, 2, 3}));
        EXPECT_EQ(quad.vertices[2].texCoord.x, 1.0f);
        EXPECT_EQ(quad.vertices[2].normal, v3(0, 0, 1));
        EXPECT_EQ(quad.material.name, "Shiny");
        EXPECT_EQ(quad.material.Ks, v3(0.7f, 0.8f, 0.9f));
        EXPECT_EQ(quad.material.map_Kd, "plate.bmp\r");
        EXPECT_EQ(tri.name, "Plate");
        EXPECT_EQ(tri.material.name, "Matte");
        EXPECT_EQ(tri.vertices[0].position, v3(0, 2, 0));
        EXPECT_EQ(tri.vertices[2].texCoord.y, 1.0f);
        for (const objl::Vertex& v : tri.vertices) EXPECT_EQ(v.normal, v3(0, 0, -4));
        EXPECT_EQ(r->allVertices.size(), 7u);
        EXPECT_EQ(r->allIndices, (Indices{0, 1, 3, 1, 2, 3, 4, 5, 6}));
    }

    ObjReader missing;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(missing.loadModel(IDT_TEST_MISSING_MODEL, IDT_TEST_PLATE_MTL));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");
    EXPECT_TRUE(missing.meshes.empty());
    EXPECT_TRUE(missing.loadMaterials(IDT_TEST_MISSING_MODEL));  // empty text: one default material
    EXPECT_EQ(missing.materials.size(), 1u);
}

TEST(ObjReaderTest, TheSaversModels) {
    ObjReader rect;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(rect.loadModel(IDT_RECTANGLE_OBJ, IDT_RECTANGLE_MTL));
    ObjReader cube;
    ASSERT_TRUE(cube.loadModel(IDT_ROUNDED_CUBE_OBJ, IDT_ROUNDED_CUBE_MTL));
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(rect.meshes.size(), 1u);
    EXPECT_EQ(rect.meshes[0].vertices.size(), 6u);
    EXPECT_EQ(rect.meshes[0].indices, (Indices{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(rect.meshes[0].vertices[3].position, v3(2.5f, -2.6302f, 0));
    EXPECT_EQ(rect.meshes[0].vertices[3].texCoord.x, 1.0f);
    EXPECT_EQ(rect.meshes[0].vertices[3].normal, v3(0, 0, 1));

    ASSERT_EQ(cube.meshes.size(), 1u);
    const objl::Mesh& m = cube.meshes[0];
    EXPECT_EQ(m.vertices.size(), 384u);
    EXPECT_EQ(m.indices.size(), 564u);
    EXPECT_EQ(m.material.name, "01___Default");
    EXPECT_EQ(m.material.Ka, v3(1, 0, 1));
    EXPECT_EQ(m.material.Kd, v3(0.64f, 0.04f, 0.64f));
    EXPECT_EQ(m.material.Ks, v3(0.5f, 0, 0.5f));
    EXPECT_EQ(m.material.Ns, 96.0784f);

    // Every triangle's face normal points into the cube, and the box reaches +-4.9956.
    float lo = 0.0f, hi = 0.0f;
    std::set<std::uint32_t> used;
    for (std::size_t i = 0; i < m.indices.size(); i += 3) {
        const objl::Vertex& a = m.vertices[m.indices[i]];
        const objl::Vertex& b = m.vertices[m.indices[i + 1]];
        const objl::Vertex& c = m.vertices[m.indices[i + 2]];
        const float cx = a.position.x + b.position.x + c.position.x;
        const float cy = a.position.y + b.position.y + c.position.y;
        const float cz = a.position.z + b.position.z + c.position.z;
        EXPECT_LT(a.normal.x * cx + a.normal.y * cy + a.normal.z * cz, 0.0f) << i;
        EXPECT_EQ(a.normal, b.normal);
        for (const objl::Vertex* v : {&a, &b, &c}) {
            for (float x : {v->position.x, v->position.y, v->position.z}) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        }
        used.insert({m.indices[i], m.indices[i + 1], m.indices[i + 2]});
    }
    EXPECT_EQ(lo, -4.9956f);
    EXPECT_EQ(hi, 4.9956f);
    EXPECT_EQ(used.size(), 384u);
}

}  // namespace
}  // namespace ondalith
