#pragma once
// A model read from its OBJ/MTL resources and spread into one array per vertex attribute,
// with tangents and bitangents worked out per triangle.
#include <cstdint>

namespace ondalith {

class MeshArrays {
public:
    // A model that gives no mesh shows "Failed to load mesh" and ends the process with 0.
    MeshArrays(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale);
    ~MeshArrays();
    MeshArrays(const MeshArrays&) = delete;
    MeshArrays& operator=(const MeshArrays&) = delete;

    float* positions = nullptr;   // 3 per vertex, scaled
    float* texCoords = nullptr;   // 2
    float* normals = nullptr;     // 3, unit length
    float* tangents = nullptr;    // 3
    float* bitangents = nullptr;  // 3
    float* ambient = nullptr;     // 3
    float* diffuse = nullptr;     // 3
    float* specular = nullptr;    // 4: Ks and Ns
    std::uint32_t* indices = nullptr;
    std::int32_t vertexCount = 0;
    std::int32_t indexCount = 0;
    float scale;

private:
    void computeTangents();
};

}  // namespace ondalith
