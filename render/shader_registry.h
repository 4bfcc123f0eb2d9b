#pragma once
// The built programs, kept and found by name.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "render/glfw_program.h"

namespace ondalith {

class ShaderRegistry {
public:
    // Builds the program (compiling here) and registers it, unless the name is taken:
    // then the first program stays and the new one is released again.
    void addProgram(std::string_view name, std::uint16_t vertexId, std::uint16_t fragmentId);
    // Null for a name that is not registered.
    GLFWProgram* getProgram(std::string_view name) const;
    // Does nothing for a name that is not registered.
    void useProgram(std::string_view name) const;

private:
    // std::less<> finds a name as it is passed, so the per-frame look-ups make no string.
    std::map<std::string, std::unique_ptr<GLFWProgram>, std::less<>> programs;
};

}  // namespace ondalith
