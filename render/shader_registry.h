#pragma once
// The built programs, kept and found by name.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "render/glfw_program.h"

namespace ondalith {

class ShaderRegistry {
public:
    // Builds the program (compiling here) and registers it, unless the name is taken:
    // then the first program stays and the new one is released again.
    void addProgram(const std::string& name, std::uint16_t vertexId, std::uint16_t fragmentId);
    // Null for a name that is not registered.
    GLFWProgram* getProgram(const std::string& name) const;
    // Does nothing for a name that is not registered.
    void useProgram(const std::string& name) const;

private:
    std::map<std::string, std::unique_ptr<GLFWProgram>> programs;
};

}  // namespace ondalith
