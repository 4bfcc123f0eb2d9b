// Builds one program whose shaders do not compile, in a hidden window's context:
// "vertex" pairs a broken vertex shader with a broken fragment shader, "fragment" a
// good vertex shader with the broken fragment shader. As the process ends it prints
// how many shaders GL was asked to compile, so a caller sees whether the fragment
// shader was ever reached.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/saver_app.h"
#include "render/glfw_program.h"  // glad's header, before the windowing library's
#include "test_resource_ids.h"

#include <GLFW/glfw3.h>

namespace {

PFNGLCOMPILESHADERPROC realCompileShader;
int compiled = 0;

void GLAD_API_PTR countCompile(GLuint shader) {
    ++compiled;
    realCompileShader(shader);
}

void report() {
    std::printf("shaders compiled: %d\n", compiled);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const bool vertex = argc > 1 && std::strcmp(argv[1], "vertex") == 0;
    if (!glfwInit()) return 2;
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(64, 64, "broken shader", nullptr, nullptr);
    if (!window) return 2;
    glfwMakeContextCurrent(window);
    ondalith::loadGLEntryPoints();

    realCompileShader = glad_glCompileShader;
    glad_glCompileShader = countCompile;
    std::atexit(report);
    ondalith::GLFWProgram program(vertex ? IDT_TEST_BROKEN_VERTEX : IDT_TEST_VERTEX, IDT_TEST_BROKEN_FRAGMENT);
    std::puts("program built");
    return 3;
}
