#pragma once
// Reads a Wavefront OBJ model and its MTL materials from the executable's text resources.
#include <cstdint>
#include <string>
#include <vector>

namespace objl {

struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;
};

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    // Exact, component by component: the triangulation tells corners apart by position.
    bool operator==(const Vector3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Vector3& o) const { return !(*this == o); }
};

struct Vertex {
    Vector3 position;
    Vector3 normal;
    Vector2 texCoord;
};

struct Material {
    std::string name;
    Vector3 Ka;
    Vector3 Kd;
    Vector3 Ks;
    float Ns = 0.0f;
    float Ni = 0.0f;
    float d = 0.0f;
    std::int32_t illum = 0;
    std::string map_Ka;
    std::string map_Kd;
    std::string map_Ks;
    std::string map_Ns;
    std::string map_d;
    std::string map_bump;
};

struct Mesh {
    std::string name;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;  // three per triangle, into vertices
    Material material;
};

}  // namespace objl

namespace ondalith {

class ObjReader {
public:
    // Reads OBJ resource objResourceId; every "mtllib" line in it reads the materials of
    // mtlResourceId. False when nothing at all was read.
    bool loadModel(std::uint16_t objResourceId, std::uint16_t mtlResourceId);
    // Appends the materials of the MTL resource; false only when its text cannot be copied.
    bool loadMaterials(std::uint16_t mtlResourceId);

    // The same two loads on texts already in memory.
    bool loadModelText(const std::string& objText, const std::string& mtlText);
    bool loadMaterialsText(const std::string& mtlText);

    std::vector<objl::Mesh> meshes;
    std::vector<objl::Vertex> allVertices;
    std::vector<std::uint32_t> allIndices;
    std::vector<objl::Material> materials;  // kept across loads

private:
    bool readModel(const std::string& objText, const std::string* mtlText);
};

// Local indices, three per triangle, for one face of k corners (see obj_reader.cpp).
std::vector<std::uint32_t> triangulateFace(const std::vector<objl::Vertex>& face);

// Whether p, projected onto the plane of t1 t2 t3, lies inside that triangle (edges
// included). A triangle without area contains nothing.
bool pointInTriangle(const objl::Vector3& p, const objl::Vector3& t1, const objl::Vector3& t2,
                     const objl::Vector3& t3);

}  // namespace ondalith
