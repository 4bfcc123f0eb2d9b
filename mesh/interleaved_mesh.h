#pragma once
// A model's vertex attributes woven into one float stream in the order of VertexLayout,
// with its 32-bit indices beside it.
#include <cstdint>

#include "mesh/mesh_arrays.h"

namespace ondalith {

class InterleavedMesh {
public:
    InterleavedMesh(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale);
    ~InterleavedMesh();
    InterleavedMesh(const InterleavedMesh&) = delete;
    InterleavedMesh& operator=(const InterleavedMesh&) = delete;

    float* vertexData = nullptr;
    std::int32_t strideFloats;
    std::int32_t positionOffset;
    std::int32_t texCoordOffset;
    std::int32_t normalOffset;
    std::int32_t tangentOffset;
    std::int32_t bitangentOffset;
    std::int32_t ambientOffset;
    std::int32_t diffuseOffset;
    std::int32_t specularOffset;
    std::uint32_t* indexData = nullptr;
    MeshArrays* arrays;
    std::int32_t vertexCount;
    std::int32_t indexCount;
    bool ownsArrays;
};

}  // namespace ondalith
