#pragma once
// One GLSL program built from a vertex and a fragment text resource, with every
// uniform and attribute location it has been asked for kept by name.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include <glad/gl.h>

namespace ondalith {

class GLFWProgram {
public:
    static constexpr std::size_t kTextCapacity = 16384;
    static constexpr std::size_t kTextBufferBytes = kTextCapacity + 4;

    // Reads both texts, compiles and links. A shader that does not compile shows its
    // log and a notice, then ends the process with status 0; the link is not checked.
    GLFWProgram(std::uint16_t vertexId, std::uint16_t fragmentId);
    ~GLFWProgram();
    GLFWProgram(const GLFWProgram&) = delete;
    GLFWProgram& operator=(const GLFWProgram&) = delete;

    void use() const;
    // Both share one cache keyed by the name alone, so whichever is asked first for a
    // name decides its location; -1 is cached too, so GL hears each name once.
    GLint uniformLocation(const char* name);
    GLint attributeLocation(const char* name);

    GLuint programId() const { return programObject; }

private:
    void compile(GLuint shader, const char* source, const char* failure);
    static void showShaderLog(GLuint shader);
    template <typename Query>
    GLint cachedLocation(const char* name, Query query);

    std::unique_ptr<char[]> vertexSource;
    std::unique_ptr<char[]> fragmentSource;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
    GLuint programObject = 0;
    // Found by the name as passed (std::less<>); a string is made only to insert.
    std::map<std::string, GLint, std::less<>> locationCache;
};

}  // namespace ondalith
