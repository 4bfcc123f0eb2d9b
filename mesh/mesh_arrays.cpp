#include "mesh/mesh_arrays.h"

#include <cstdlib>

#include <GLFW/glfw3.h>

#include "mesh/obj_reader.h"
#include "platform/message_box.h"
#include "render/vector_math.h"

namespace ondalith {
namespace {

Vec3 at3(const float* a, std::int32_t k) { return {a[3 * k], a[3 * k + 1], a[3 * k + 2]}; }
Vec2 at2(const float* a, std::int32_t k) { return {a[2 * k], a[2 * k + 1]}; }

void put3(float* a, std::int32_t k, Vec3 v) {
    a[3 * k] = v.x;
    a[3 * k + 1] = v.y;
    a[3 * k + 2] = v.z;
}

Vec3 operator*(float s, Vec3 v) { return {s * v.x, s * v.y, s * v.z}; }

}  // namespace

MeshArrays::MeshArrays(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale) : scale(scale) {
    ObjReader reader;
    if (!reader.loadModel(objResourceId, mtlResourceId)) {
        // Nothing could be drawn without the model.
        platform::showMessageBox("Failed to load mesh", "Debug", platform::MessageIcon::Information);
        glfwTerminate();
        std::exit(0);
    }

    for (const objl::Mesh& m : reader.meshes) {
        vertexCount += static_cast<std::int32_t>(m.vertices.size());
        indexCount += static_cast<std::int32_t>(m.indices.size());
    }
    positions = new float[3 * vertexCount];
    texCoords = new float[2 * vertexCount];
    normals = new float[3 * vertexCount];
    tangents = new float[3 * vertexCount]();
    bitangents = new float[3 * vertexCount]();
    ambient = new float[3 * vertexCount];
    diffuse = new float[3 * vertexCount];
    specular = new float[4 * vertexCount];
    indices = new std::uint32_t[indexCount];

    std::int32_t vb = 0;
    std::int32_t ib = 0;
    for (const objl::Mesh& m : reader.meshes) {
        const objl::Material& mat = m.material;
        for (const objl::Vertex& v : m.vertices) {
            put3(positions, vb, {scale * v.position.x, scale * v.position.y, scale * v.position.z});
            texCoords[2 * vb] = v.texCoord.x;
            texCoords[2 * vb + 1] = v.texCoord.y;
            put3(normals, vb, normalize({v.normal.x, v.normal.y, v.normal.z}));
            put3(ambient, vb, {mat.Ka.x, mat.Ka.y, mat.Ka.z});
            put3(diffuse, vb, {mat.Kd.x, mat.Kd.y, mat.Kd.z});
            specular[4 * vb] = mat.Ks.x;
            specular[4 * vb + 1] = mat.Ks.y;
            specular[4 * vb + 2] = mat.Ks.z;
            specular[4 * vb + 3] = mat.Ns;
            ++vb;
        }
        const std::int32_t base = vb - static_cast<std::int32_t>(m.vertices.size());
        for (std::uint32_t i : m.indices) indices[ib++] = static_cast<std::uint32_t>(base) + i;
    }
    computeTangents();
}

// Per triangle in index order: a vertex shared by several triangles keeps the values of
// the last one. Texture coordinates without area give non-finite values, which no
// shader of the saver reads.
void MeshArrays::computeTangents() {
    for (std::int32_t i = 0; i + 2 < indexCount; i += 3) {
        const auto ka = static_cast<std::int32_t>(indices[i]);
        const auto kb = static_cast<std::int32_t>(indices[i + 1]);
        const auto kc = static_cast<std::int32_t>(indices[i + 2]);
        const Vec3 e1 = at3(positions, kb) - at3(positions, ka);
        const Vec3 e2 = at3(positions, kc) - at3(positions, ka);
        const Vec2 d1 = at2(texCoords, kb) - at2(texCoords, ka);
        const Vec2 d2 = at2(texCoords, kc) - at2(texCoords, ka);
        const float f = 1.0f / (d1.x * d2.y - d2.x * d1.y);
        const Vec3 t = normalize(f * (d2.y * e1 - d1.y * e2));
        const Vec3 b = normalize(f * (d1.x * e2 - d2.x * e1));
        for (std::int32_t k : {ka, kb, kc}) {
            put3(tangents, k, t);
            put3(bitangents, k, b);
        }
    }
}

MeshArrays::~MeshArrays() {
    delete[] positions;
    delete[] texCoords;
    delete[] normals;
    delete[] tangents;
    delete[] bitangents;
    delete[] ambient;
    delete[] diffuse;
    delete[] specular;
    delete[] indices;
}

}  // namespace ondalith
