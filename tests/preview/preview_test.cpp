#include <glad/gl.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "app/launch_options.h"
#include "app/main_loop.h"
#include "app/saver_app.h"
#include "preview/test_host.h"
#include "scene/scene.h"
#include "support/exit_guard.h"
#include "support/gl_hook.h"

namespace ondalith::test {
namespace {
int shadersCompiled = 0;
GLHook<PFNGLCOMPILESHADERPROC> compileHook;
void GLAD_API_PTR countCompile(GLuint shader) {
    ++shadersCompiled;
    compileHook.real(shader);
}
}  // namespace

// The whole preview path in one process: attach to the host, draw into it, and end
// once the host lets go of its window (here before the scene set-up).
TEST(PreviewTest, DrawsIntoTheHostAndEndsWhenTheHostLetsGo) {
    const platform::NativeWindow host = createHostWindow(200, 150);
    ASSERT_NE(host, 0u);
    static LaunchOptions options{Preview, host};
    saverApp = new SaverApp(&options);

    EXPECT_EQ(windowMetrics.width, 200);
    EXPECT_EQ(windowMetrics.height, 150);
    EXPECT_TRUE(attachedTo(host, saverApp->window));

    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(100, 75, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_NEAR(pixel[0], 64, 2);
    EXPECT_NEAR(pixel[1], 128, 2);
    EXPECT_NEAR(pixel[2], 191, 2);
    glfwSwapBuffers(saverApp->window);

    letGoOfHostWindow(host);
    // The scene's objects, if another test in this process built them already.
    const void* scene[] = {programRegistry, sceneState, cubeField};
    compileHook.install(glad_glCompileShader, countCompile);
    runMainLoop();  // the host check ends it before the scene set-up
    compileHook.restore();
    EXPECT_EQ(shadersCompiled, 0);
    EXPECT_EQ(programRegistry, scene[0]);
    EXPECT_EQ(sceneState, scene[1]);
    EXPECT_EQ(cubeField, scene[2]);
}

}  // namespace ondalith::test

int main(int argc, char** argv) { return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv); }
