#pragma once
// The vertex and index buffers behind one drawable, with an attribute layout declared
// by attribute name and resolved against a registered program. No vertex-array object
// is made: the layout is set anew on the current vertex-array state before every draw.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include <glad/gl.h>

namespace ondalith {

class ShaderRegistry;

class VertexBufferSet {
public:
    explicit VertexBufferSet(ShaderRegistry* registry);

    // Only recorded; the arrays must stay alive and unchanged until upload has run.
    void setVertexData(std::int32_t bytes, const void* data, std::int32_t strideFloats);
    void setIndexData(std::int32_t bytes, const void* data, std::int32_t count);
    // An unregistered program or an inactive name records location -1, which applying
    // then skips.
    void addAttribute(std::string_view programName, const std::string& attributeName, std::int32_t components,
                      std::int32_t offsetFloats);

    void bindBuffers() const;
    void applyAttributes() const;
    void prepare() const;
    void upload() const;
    std::int32_t indexCount() const { return indexCount_; }

private:
    ShaderRegistry* registry;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    const void* vertexData = nullptr;
    std::int32_t vertexBytes = 0;
    std::int32_t strideFloats = 0;
    // Ordered by name, compared byte by byte: that order is the order of application.
    std::map<std::string, GLint> attributeLocations;
    std::map<std::string, std::int32_t> attributeComponents;
    std::map<std::string, std::int32_t> attributeOffsets;
    const void* indexData = nullptr;
    std::int32_t indexBytes = 0;
    std::int32_t indexCount_ = 0;
};

}  // namespace ondalith
