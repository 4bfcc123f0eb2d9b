#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "mesh/glfw_drawable_mesh.h"
#include "mesh/glfw_drawable_sky.h"
#include "render/shader_registry.h"
#include "resource_ids.h"
#include "support/gl_context.h"
#include "support/gl_hook.h"
#include "test_resource_ids.h"

namespace ondalith::test {
namespace {

// Every uniform and draw call the drawables make, in order.
struct Call {
    char kind;  // 'm' matrix, 'v' vec3, 'f' float, 'd' draw
    GLint location;
    std::vector<float> values;
    GLsizei count = 0;
    GLsizei instances = 0;
};
std::vector<Call> calls;

GLHook<PFNGLUNIFORMMATRIX4FVPROC> matrixHook;
GLHook<PFNGLUNIFORM3FVPROC> vec3Hook;
GLHook<PFNGLUNIFORM1FPROC> floatHook;
GLHook<PFNGLDRAWELEMENTSINSTANCEDPROC> drawHook;

void GLAD_API_PTR recordMatrix(GLint location, GLsizei count, GLboolean transpose, const GLfloat* m) {
    calls.push_back({'m', location, std::vector<float>(m, m + 16)});
    matrixHook.real(location, count, transpose, m);
}
void GLAD_API_PTR recordVec3(GLint location, GLsizei count, const GLfloat* v) {
    calls.push_back({'v', location, std::vector<float>(v, v + 3)});
    vec3Hook.real(location, count, v);
}
void GLAD_API_PTR recordFloat(GLint location, GLfloat v) {
    calls.push_back({'f', location, {v}});
    floatHook.real(location, v);
}
void GLAD_API_PTR recordDraw(GLenum mode, GLsizei count, GLenum type, const void* indices, GLsizei instances) {
    EXPECT_EQ(mode, static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_EQ(type, static_cast<GLenum>(GL_UNSIGNED_INT));
    EXPECT_EQ(indices, nullptr);
    calls.push_back({'d', -1, {}, count, instances});
    drawHook.real(mode, count, type, indices, instances);
}

class DrawableTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        registry.addProgram("Drawable", IDT_TEST_DRAWABLE_VERTEX, IDT_TEST_DRAWABLE_FRAGMENT);
        camera.updateView(0);
        camera.setProjection(perspective(50.0f, 1.0f, 1.0f, 500.0f));
        scene.setViewport(64.0f, 48.0f);
        scene.setLightPosition({0.5f, -0.25f, 2.0f});
        matrixHook.install(glad_glUniformMatrix4fv, recordMatrix);
        vec3Hook.install(glad_glUniform3fv, recordVec3);
        floatHook.install(glad_glUniform1f, recordFloat);
        drawHook.install(glad_glDrawElementsInstanced, recordDraw);
        calls.clear();
    }
    void TearDown() override {
        matrixHook.restore();
        vec3Hook.restore();
        floatHook.restore();
        drawHook.restore();
    }
    GLint location(const char* name) { return registry.getProgram("Drawable")->uniformLocation(name); }

    template <class Drawable>
    Drawable* make(std::uint16_t obj, std::uint16_t mtl, float scale) {
        testing::internal::CaptureStdout();  // the reader's progress lines
        auto* d = new Drawable(&scene, &camera, &registry, "Drawable", obj, mtl, scale);
        testing::internal::GetCapturedStdout();
        d->setup();
        return d;
    }

    GLContext context;
    ShaderRegistry registry;
    Camera camera{0.0f, 0.0f, 150.0f};
    SceneState scene{2.5f};
};

// Column by column, to float precision (the largest element is 153).
void expectMatrix(const std::vector<float>& sent, const std::vector<double>& wanted) {
    ASSERT_EQ(sent.size(), wanted.size());
    for (std::size_t i = 0; i < wanted.size(); ++i) EXPECT_NEAR(sent[i], wanted[i], 1e-4) << "element " << i;
}

// The fixture's camera: 50 degrees (f = 1 / tan 25 degrees), aspect 1, near 1, far 500,
// and the eye at z = 150 looking down -z, which moves the world by -150 in z.
constexpr double kF = 2.1445069205095586;
constexpr double kDepth = -501.0 / 499.0, kDepthOffset = -1000.0 / 499.0;

TEST_F(DrawableTest, CubeSendsMatricesThenLightAndTimeThenDrawsInstanced) {
    GLFWDrawableMesh* cube = make<GLFWDrawableMesh>(IDT_ROUNDED_CUBE_OBJ, IDT_ROUNDED_CUBE_MTL, 0.2f);
    const Mat4 model = translate(1.0f, 2.0f, -3.0f);
    cube->setModelMatrix(model);
    Framebuffer fb(32, 32);
    cube->draw(10000);
    cube->draw(0);

    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[0].location, location("model_world"));
    expectMatrix(calls[0].values, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, -3, 1});
    EXPECT_EQ(calls[1].location, location("world_projection"));
    expectMatrix(calls[1].values, {kF, 0, 0, 0, 0, kF, 0, 0, 0, 0, kDepth, -1, 0, 0, -150 * kDepth + kDepthOffset, 150});
    EXPECT_EQ(calls[2].location, location("model_projection"));
    expectMatrix(calls[2].values,
                 {kF, 0, 0, 0, 0, kF, 0, 0, 0, 0, kDepth, -1, kF, 2 * kF, -153 * kDepth + kDepthOffset, 153});
    EXPECT_EQ(calls[3].kind, 'v');
    EXPECT_EQ(calls[3].location, location("light_pos"));
    EXPECT_EQ(calls[3].values, (std::vector<float>{0.5f, -0.25f, 2.0f}));
    EXPECT_EQ(calls[4].kind, 'f');
    EXPECT_EQ(calls[4].location, location("iTime"));
    EXPECT_EQ(calls[4].values[0], 2.5f);
    EXPECT_EQ(calls[5].kind, 'd');
    EXPECT_EQ(calls[5].count, 564);
    EXPECT_EQ(calls[5].instances, 10000);
    EXPECT_EQ(calls[11].instances, 0);
    for (const Call& c : calls) {
        if (c.kind != 'd') EXPECT_NE(c.location, -1);
    }
    delete cube;
}

TEST_F(DrawableTest, BackgroundSendsItsUniformsInOrderAndCoversTheView) {
    GLFWDrawableSky* sky = make<GLFWDrawableSky>(IDT_RECTANGLE_OBJ, IDT_RECTANGLE_MTL, 500.0f);
    sky->setModelMatrix(translate(0.0f, 0.0f, -300.0f));
    Framebuffer fb(32, 32);
    glViewport(0, 0, 32, 32);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    sky->draw(1);

    const char* names[] = {"tile_top", "tile_mode", "tile_angle", "iTime", "viewportWidth", "viewportHeight"};
    const float values[] = {0.0f, 1.0f, 0.0f, 2.5f, 64.0f, 48.0f};
    ASSERT_EQ(calls.size(), 10u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(calls[3 + i].kind, 'f') << names[i];
        EXPECT_EQ(calls[3 + i].location, location(names[i])) << names[i];
        EXPECT_EQ(calls[3 + i].values[0], values[i]) << names[i];
    }
    EXPECT_EQ(calls[9].count, 6);
    EXPECT_EQ(calls[9].instances, 1);

    for (int xy : {0, 16, 31}) {
        unsigned char rgba[4];
        fb.read(xy, xy, rgba);
        EXPECT_EQ(rgba[0], 0) << xy;
        EXPECT_EQ(rgba[1], 255) << xy;
    }
    delete sky;
}

}  // namespace
}  // namespace ondalith::test
