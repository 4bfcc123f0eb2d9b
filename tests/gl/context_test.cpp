#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "support/gl_context.h"

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

}  // namespace ondalith::test

namespace {
bool testsFinished = false;

// Code under test may end the process with status 0 (a shader that does not compile);
// inside a test run that must read as a failure, not as success.
void refuseEarlyExit() {
    if (testsFinished) return;
    std::fputs("The process ended in the middle of a test\n", stderr);
    std::_Exit(1);
}
}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::atexit(refuseEarlyExit);
    const int result = RUN_ALL_TESTS();
    testsFinished = true;
    return result;
}
