#include <gtest/gtest.h>

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

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
