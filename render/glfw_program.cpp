#include "render/glfw_program.h"

#include <cstdlib>
#include <vector>

#include "platform/message_box.h"
#include "render/text_resource.h"

namespace ondalith {

GLFWProgram::GLFWProgram(std::uint16_t vertexId, std::uint16_t fragmentId)
    : vertexSource(new char[kTextBufferBytes]), fragmentSource(new char[kTextBufferBytes]) {
    loadTextResource(vertexId, vertexSource.get(), kTextCapacity);
    loadTextResource(fragmentId, fragmentSource.get(), kTextCapacity);

    programObject = glCreateProgram();
    vertexShader = glCreateShader(GL_VERTEX_SHADER);
    compile(vertexShader, vertexSource.get(), "Vertex shader compilation error");
    fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);
    compile(fragmentShader, fragmentSource.get(), "Fragment shader compilation error");

    glAttachShader(programObject, vertexShader);
    glAttachShader(programObject, fragmentShader);
    glLinkProgram(programObject);
}

GLFWProgram::~GLFWProgram() {
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
    glDeleteProgram(programObject);
}

void GLFWProgram::compile(GLuint shader, const char* source, const char* failure) {
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != 0) return;
    showShaderLog(shader);
    platform::showMessageBox(failure, "Debug", platform::MessageIcon::Information);
    glDeleteShader(shader);
    std::exit(0);
}

void GLFWProgram::showShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    if (length < 0) length = 0;
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    GLsizei written = 0;
    glGetShaderInfoLog(shader, length, &written, log.data());
    platform::showMessageBox(log.data(), "Debug", platform::MessageIcon::Information);
}

void GLFWProgram::use() const { glUseProgram(programObject); }

template <typename Query>
GLint GLFWProgram::cachedLocation(const char* name, Query query) {
    const std::string_view key(name);
    auto found = locationCache.find(key);
    if (found != locationCache.end()) return found->second;
    const GLint location = query(programObject, name);
    locationCache.emplace(std::string(key), location);
    return location;
}

// The entry points are read at the call, not bound earlier, so that a test may put
// a counting wrapper in their place.
GLint GLFWProgram::uniformLocation(const char* name) {
    return cachedLocation(name, [](GLuint program, const char* n) { return glGetUniformLocation(program, n); });
}

GLint GLFWProgram::attributeLocation(const char* name) {
    return cachedLocation(name, [](GLuint program, const char* n) { return glGetAttribLocation(program, n); });
}

}  // namespace ondalith
