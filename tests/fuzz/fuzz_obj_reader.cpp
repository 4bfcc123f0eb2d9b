// Feeds arbitrary OBJ and MTL texts to the model reader. The input is the OBJ text, then
// optionally the line "#mtl" and the MTL text. Besides the sanitizers' findings, every
// index the reader hands out must lie inside its vertex list, three to a triangle.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "mesh/obj_reader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The reader's progress lines would drown the fuzzer's own report.
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string marker = "\n#mtl\n";
    const std::size_t split = input.find(marker);
    const std::string obj = input.substr(0, split);
    const std::string mtl = split == std::string::npos ? std::string() : input.substr(split + marker.size());

    ondalith::ObjReader reader;
    const bool loaded = reader.loadModelText(obj, mtl);
    if (!loaded && (!reader.meshes.empty() || !reader.allVertices.empty())) __builtin_trap();
    if (reader.allIndices.size() % 3 != 0) __builtin_trap();
    for (std::uint32_t i : reader.allIndices) {
        if (i >= reader.allVertices.size()) __builtin_trap();
    }
    for (const objl::Mesh& m : reader.meshes) {
        if (m.indices.empty() || m.vertices.empty() || m.indices.size() % 3 != 0) __builtin_trap();
        for (std::uint32_t i : m.indices) {
            if (i >= m.vertices.size()) __builtin_trap();
        }
    }
    reader.loadMaterialsText(mtl);
    return 0;
}
