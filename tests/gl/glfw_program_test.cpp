#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "render/glfw_program.h"
#include "render/shader_registry.h"
#include "render/vertex_buffer_set.h"
#include "support/gl_context.h"
#include "support/gl_hook.h"
#include "test_resource_ids.h"

namespace ondalith::test {
namespace {

// Counting stand-ins for glad's entry points; each forwards to the real one.
GLHook<PFNGLGETUNIFORMLOCATIONPROC> uniformHook;
GLHook<PFNGLGETATTRIBLOCATIONPROC> attributeHook;
GLHook<PFNGLENABLEVERTEXATTRIBARRAYPROC> enableHook;
GLHook<PFNGLVERTEXATTRIBPOINTERPROC> pointerHook;
std::vector<std::string> uniformQueries, attributeQueries;
std::vector<GLuint> enabled;
struct PointerCall {
    GLuint location;
    GLint size;
    GLsizei stride;
    std::uintptr_t offset;
};
std::vector<PointerCall> pointers;

GLint GLAD_API_PTR countUniform(GLuint program, const GLchar* name) {
    uniformQueries.push_back(name);
    return uniformHook.real(program, name);
}
GLint GLAD_API_PTR countAttribute(GLuint program, const GLchar* name) {
    attributeQueries.push_back(name);
    return attributeHook.real(program, name);
}
void GLAD_API_PTR recordEnable(GLuint location) {
    enabled.push_back(location);
    enableHook.real(location);
}
void GLAD_API_PTR recordPointer(GLuint location, GLint size, GLenum type, GLboolean normalised, GLsizei stride,
                                const void* offset) {
    pointers.push_back({location, size, stride, reinterpret_cast<std::uintptr_t>(offset)});
    pointerHook.real(location, size, type, normalised, stride, offset);
}

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        uniformHook.install(glad_glGetUniformLocation, countUniform);
        attributeHook.install(glad_glGetAttribLocation, countAttribute);
        enableHook.install(glad_glEnableVertexAttribArray, recordEnable);
        pointerHook.install(glad_glVertexAttribPointer, recordPointer);
        uniformQueries.clear();
        attributeQueries.clear();
        enabled.clear();
        pointers.clear();
    }
    void TearDown() override {
        uniformHook.restore();
        attributeHook.restore();
        enableHook.restore();
        pointerHook.restore();
    }

    GLContext context;
};

TEST_F(ProgramTest, AsksGLOncePerNameWhicheverKindAsksFirst) {
    // The vertex text goes on past its marker with lines that are not GLSL: had they
    // reached the compiler, the process would have ended here.
    GLFWProgram program(IDT_TEST_VERTEX, IDT_TEST_FRAGMENT);

    const GLint tint = program.uniformLocation("tint");
    EXPECT_GE(tint, 0);
    EXPECT_EQ(program.uniformLocation("tint"), tint);
    EXPECT_EQ(program.attributeLocation("tint"), tint);  // the uniform's answer, from the cache

    EXPECT_EQ(program.uniformLocation("not_in_the_program"), -1);
    EXPECT_EQ(program.uniformLocation("not_in_the_program"), -1);
    EXPECT_EQ(program.attributeLocation("not_in_the_program"), -1);

    const GLint position = program.attributeLocation("position");
    EXPECT_GE(position, 0);
    EXPECT_EQ(program.attributeLocation("position"), position);
    EXPECT_EQ(program.uniformLocation("position"), position);

    EXPECT_EQ(uniformQueries, (std::vector<std::string>{"tint", "not_in_the_program"}));
    EXPECT_EQ(attributeQueries, (std::vector<std::string>{"position"}));
}

TEST_F(ProgramTest, RegistryKeepsTheFirstProgramOfAName) {
    ShaderRegistry registry;
    EXPECT_EQ(registry.getProgram("CubeProgram"), nullptr);
    registry.addProgram("CubeProgram", IDT_TEST_VERTEX, IDT_TEST_FRAGMENT);
    GLFWProgram* first = registry.getProgram("CubeProgram");
    ASSERT_NE(first, nullptr);
    registry.addProgram("CubeProgram", IDT_TEST_VERTEX, IDT_TEST_FRAGMENT);
    EXPECT_EQ(registry.getProgram("CubeProgram"), first);
    EXPECT_EQ(registry.getProgram("cubeprogram"), nullptr);  // names are case-sensitive

    registry.useProgram("CubeProgram");
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), first->programId());
    registry.useProgram("Unregistered");  // leaves the current program alone
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), first->programId());
}

TEST_F(ProgramTest, AttributesAreAppliedInByteOrderOfTheirNames) {
    ShaderRegistry registry;
    registry.addProgram("Test", IDT_TEST_VERTEX, IDT_TEST_FRAGMENT);
    GLFWProgram* program = registry.getProgram("Test");
    const float vertices[3 * 7] = {};
    const std::uint32_t indices[3] = {0, 1, 2};

    VertexBufferSet buffers(&registry);
    buffers.setVertexData(sizeof vertices, vertices, 7);
    buffers.setIndexData(sizeof indices, indices, 3);
    buffers.addAttribute("Test", "position", 4, 0);
    buffers.addAttribute("Test", "alpha_b", 1, 6);
    buffers.addAttribute("Test", "missing", 3, 1);   // inactive: -1, never applied
    buffers.addAttribute("Other", "Zeta", 2, 4);     // unregistered program: -1 as well
    buffers.addAttribute("Test", "Zeta", 2, 4);      // replaces the line above
    buffers.upload();
    EXPECT_EQ(buffers.indexCount(), 3);

    // Upper case sorts before lower case byte by byte.
    const GLuint zeta = program->attributeLocation("Zeta");
    const GLuint alpha = program->attributeLocation("alpha_b");
    const GLuint position = program->attributeLocation("position");
    EXPECT_EQ(enabled, (std::vector<GLuint>{zeta, alpha, position}));
    ASSERT_EQ(pointers.size(), 3u);
    EXPECT_EQ(pointers[0].size, 2);
    EXPECT_EQ(pointers[0].offset, 16u);
    EXPECT_EQ(pointers[1].offset, 24u);
    EXPECT_EQ(pointers[2].size, 4);
    EXPECT_EQ(pointers[2].offset, 0u);
    for (const PointerCall& p : pointers) EXPECT_EQ(p.stride, 28);

    GLint arrayObject = -1, elementBuffer = 0, bytes = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &arrayObject);
    EXPECT_EQ(arrayObject, 0);  // the default vertex-array state, no object of our own
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
    EXPECT_NE(elementBuffer, 0);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    EXPECT_EQ(bytes, static_cast<GLint>(sizeof vertices));

    // Every prepare applies the layout again.
    enabled.clear();
    buffers.prepare();
    EXPECT_EQ(enabled.size(), 3u);
}

}  // namespace
}  // namespace ondalith::test
