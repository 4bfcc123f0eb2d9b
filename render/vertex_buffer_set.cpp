#include "render/vertex_buffer_set.h"

#include <cstdint>

#include "render/shader_registry.h"

namespace ondalith {

VertexBufferSet::VertexBufferSet(ShaderRegistry* registry) : registry(registry) {
    glGenBuffers(1, &vertexBuffer);
    glGenBuffers(1, &indexBuffer);
}

void VertexBufferSet::setVertexData(std::int32_t bytes, const void* data, std::int32_t stride) {
    vertexBytes = bytes;
    vertexData = data;
    strideFloats = stride;
}

void VertexBufferSet::setIndexData(std::int32_t bytes, const void* data, std::int32_t count) {
    indexBytes = bytes;
    indexData = data;
    indexCount_ = count;
}

void VertexBufferSet::addAttribute(std::string_view programName, const std::string& attributeName,
                                   std::int32_t components, std::int32_t offsetFloats) {
    GLFWProgram* program = registry ? registry->getProgram(programName) : nullptr;
    attributeLocations[attributeName] = program ? program->attributeLocation(attributeName.c_str()) : -1;
    attributeComponents[attributeName] = components;
    attributeOffsets[attributeName] = offsetFloats;
}

void VertexBufferSet::bindBuffers() const {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
}

void VertexBufferSet::applyAttributes() const {
    for (const auto& [name, location] : attributeLocations) {
        // GL would refuse -1 with an error and change nothing; not asking keeps the
        // error state clean.
        if (location < 0) continue;
        const std::int32_t components = attributeComponents.at(name);
        const std::uintptr_t offsetBytes = static_cast<std::uintptr_t>(attributeOffsets.at(name)) * sizeof(float);
        glEnableVertexAttribArray(static_cast<GLuint>(location));
        glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE,
                              strideFloats * static_cast<GLsizei>(sizeof(float)),
                              reinterpret_cast<const void*>(offsetBytes));
    }
}

void VertexBufferSet::prepare() const {
    bindBuffers();
    applyAttributes();
}

void VertexBufferSet::upload() const {
    prepare();
    glBufferData(GL_ARRAY_BUFFER, vertexBytes, vertexData, GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexBytes, indexData, GL_STATIC_DRAW);
}

}  // namespace ondalith
