#include "render/shader_registry.h"

namespace ondalith {

void ShaderRegistry::addProgram(const std::string& name, std::uint16_t vertexId, std::uint16_t fragmentId) {
    auto program = std::make_unique<GLFWProgram>(vertexId, fragmentId);
    programs.emplace(name, std::move(program));
}

GLFWProgram* ShaderRegistry::getProgram(const std::string& name) const {
    auto found = programs.find(name);
    return found == programs.end() ? nullptr : found->second.get();
}

void ShaderRegistry::useProgram(const std::string& name) const {
    if (GLFWProgram* program = getProgram(name)) program->use();
}

}  // namespace ondalith
