#include "render/shader_registry.h"

namespace ondalith {

void ShaderRegistry::addProgram(std::string_view name, std::uint16_t vertexId, std::uint16_t fragmentId) {
    auto program = std::make_unique<GLFWProgram>(vertexId, fragmentId);
    programs.emplace(std::string(name), std::move(program));
}

GLFWProgram* ShaderRegistry::getProgram(std::string_view name) const {
    auto found = programs.find(name);
    return found == programs.end() ? nullptr : found->second.get();
}

void ShaderRegistry::useProgram(std::string_view name) const {
    if (GLFWProgram* program = getProgram(name)) program->use();
}

}  // namespace ondalith
