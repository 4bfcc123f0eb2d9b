#include <gtest/gtest.h>

#include "render/gl_driver.h"
#include "support/exit_guard.h"
#include "support/gl_context.h"
#include "support/gl_hook.h"

namespace ondalith::test {

// The saver asks for a 2.0 context and gets the driver's compatibility context; the
// shaders need 3.x features from it.
TEST(GLContextTest, CompatibilityContextReachesVersionThree) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    GLint major = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    EXPECT_GE(major, 3);
}

GLenum GLAD_API_PTR guiltyReset() { return GL_GUILTY_CONTEXT_RESET; }

// The main loop ends the saver once this answers true.
TEST(GLContextTest, AResetIsReadFromTheStatusEntryWhereThereIsOne) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    EXPECT_FALSE(contextWasReset());  // the real driver: no reset
    GLHook<PFNGLGETGRAPHICSRESETSTATUSPROC> hook;
    hook.install(glad_glGetGraphicsResetStatus, guiltyReset);
    EXPECT_TRUE(contextWasReset());
    glad_glGetGraphicsResetStatus = nullptr;  // a driver without robustness
    EXPECT_FALSE(contextWasReset());
    hook.restore();
}

}  // namespace ondalith::test

int main(int argc, char** argv) { return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv); }
