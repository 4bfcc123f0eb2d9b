#include <glad/gl.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "app/launch_options.h"
#include "app/main_loop.h"
#include "app/saver_app.h"
#include "preview/test_host.h"
#include "scene/scene.h"

namespace ondalith::test {

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
    runMainLoop();  // the host check ends it before the scene set-up
    EXPECT_EQ(sound, nullptr);
}

}  // namespace ondalith::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
