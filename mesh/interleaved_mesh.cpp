#include "mesh/interleaved_mesh.h"

#include "mesh/vertex_layout.h"

namespace ondalith {

InterleavedMesh::InterleavedMesh(std::uint16_t objResourceId, std::uint16_t mtlResourceId, float scale)
    : strideFloats(VertexLayout::kStrideFloats),
      positionOffset(VertexLayout::kPosition.offset),
      texCoordOffset(VertexLayout::kTexCoord.offset),
      normalOffset(VertexLayout::kNormal.offset),
      tangentOffset(VertexLayout::kTangent.offset),
      bitangentOffset(VertexLayout::kBitangent.offset),
      ambientOffset(VertexLayout::kAmbient.offset),
      diffuseOffset(VertexLayout::kDiffuse.offset),
      specularOffset(VertexLayout::kSpecular.offset),
      arrays(new MeshArrays(objResourceId, mtlResourceId, scale)),
      vertexCount(arrays->vertexCount),
      indexCount(arrays->indexCount),
      ownsArrays(true) {
    struct Source {
        const float* values;
        std::int32_t components;
        std::int32_t offset;
    };
    const Source sources[] = {
        {arrays->positions, 3, positionOffset}, {arrays->texCoords, 2, texCoordOffset},
        {arrays->normals, 3, normalOffset},     {arrays->tangents, 3, tangentOffset},
        {arrays->bitangents, 3, bitangentOffset}, {arrays->ambient, 3, ambientOffset},
        {arrays->diffuse, 3, diffuseOffset},    {arrays->specular, 4, specularOffset},
    };
    vertexData = new float[static_cast<std::size_t>(vertexCount) * strideFloats];
    for (std::int32_t v = 0; v < vertexCount; ++v) {
        for (const Source& s : sources) {
            for (std::int32_t c = 0; c < s.components; ++c) {
                vertexData[v * strideFloats + s.offset + c] = s.values[v * s.components + c];
            }
        }
    }
    indexData = new std::uint32_t[indexCount];
    for (std::int32_t i = 0; i < indexCount; ++i) indexData[i] = arrays->indices[i];
}

InterleavedMesh::~InterleavedMesh() {
    delete[] vertexData;
    delete[] indexData;
    if (ownsArrays) delete arrays;
}

}  // namespace ondalith
