// The frame-rate box draws over the finished frame in its corner only, and hands the
// scene its GL state back as it found it.
#include <gtest/gtest.h>

#include "render/fps_overlay.h"
#include "render/glfw_program.h"
#include "resource_ids.h"
#include "support/gl_context.h"
#include "test_resource_ids.h"

namespace ondalith::test {
namespace {

struct State {
    GLint program, vertexArray, activeTexture, texture0, texture1, arrayBuffer, blendSrc, blendDst;
    GLint viewport[4];
    GLboolean depthTest, blend, depthMask;

    static State read() {
        State s{};
        glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &s.vertexArray);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &s.activeTexture);
        glActiveTexture(GL_TEXTURE0);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture0);
        glActiveTexture(GL_TEXTURE1);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture1);
        glActiveTexture(static_cast<GLenum>(s.activeTexture));
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &s.arrayBuffer);
        glGetIntegerv(GL_BLEND_SRC_RGB, &s.blendSrc);
        glGetIntegerv(GL_BLEND_DST_RGB, &s.blendDst);
        glGetIntegerv(GL_VIEWPORT, s.viewport);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        s.blend = glIsEnabled(GL_BLEND);
        glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depthMask);
        return s;
    }
};

void expectSame(const State& a, const State& b) {
    EXPECT_EQ(a.program, b.program);
    EXPECT_EQ(a.vertexArray, b.vertexArray);
    EXPECT_EQ(a.activeTexture, b.activeTexture);
    EXPECT_EQ(a.texture0, b.texture0);
    EXPECT_EQ(a.texture1, b.texture1);
    EXPECT_EQ(a.arrayBuffer, b.arrayBuffer);
    EXPECT_EQ(a.blendSrc, b.blendSrc);
    EXPECT_EQ(a.blendDst, b.blendDst);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a.viewport[i], b.viewport[i]);
    EXPECT_EQ(a.depthTest, b.depthTest);
    EXPECT_EQ(a.blend, b.blend);
    EXPECT_EQ(a.depthMask, b.depthMask);
}

TEST(FpsOverlayTest, DrawsInItsCornerAndLeavesTheStateAsFound) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    Framebuffer target(320, 240);

    // The scene's state between frames, with a binding of each kind set to something of
    // its own, on the active unit 0 and on another unit.
    GLFWProgram sceneProgram(IDT_TEST_VERTEX, IDT_TEST_FRAGMENT);
    sceneProgram.use();
    GLuint vertexArray = 0, buffer = 0, textures[2] = {0, 0};
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glGenTextures(2, textures);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClearDepth(0.0);  // a depth test against this would hide the box
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    FpsOverlay overlay;  // built after set-up, as the saver does
    const State before = State::read();
    overlay.draw(12.5f);
    expectSame(before, State::read());

    unsigned char rgba[4];
    target.read(0, 0, rgba);  // the panel, at the corner
    EXPECT_EQ(rgba[0], 24);
    EXPECT_EQ(rgba[1], 24);
    EXPECT_EQ(rgba[2], 24);
    EXPECT_EQ(rgba[3], 255);
    for (auto [x, y] : {std::pair{319, 239}, std::pair{319, 0}, std::pair{0, 239}, std::pair{160, 120}}) {
        target.read(x, y, rgba);  // the rest of the frame is left alone
        EXPECT_EQ(rgba[0], 0) << x << "," << y;
        EXPECT_EQ(rgba[2], 255) << x << "," << y;
    }
    GLfloat depth = 1.0f;
    glReadPixels(0, 0, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 0.0f);  // nor does the box write depth

    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vertexArray);
    glDeleteBuffers(1, &buffer);
    glDeleteTextures(2, textures);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
}

}  // namespace
}  // namespace ondalith::test
