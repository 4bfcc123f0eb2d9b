// The verdict on a driver: the version it names and the entry points it gave.
#include <gtest/gtest.h>

#include "render/gl_requirements.h"

namespace ondalith {
namespace {

const std::vector<EntryPoint> kAllThere{{"glClear", true}, {"glTexStorage2D", true}};

TEST(GLRequirementsTest, ReadsTheVersionAtTheStartOfTheText) {
    const auto read = [](const char* text) {
        const GLVersion v = parseGLVersion(text);
        return std::to_string(v.major) + "." + std::to_string(v.minor);
    };
    EXPECT_EQ(read("4.5 (Compatibility Profile) Mesa 22.3.6"), "4.5");
    EXPECT_EQ(read("3.3.0 NVIDIA 390.157"), "3.3");
    EXPECT_EQ(read("2.1 Mesa 22.3.6"), "2.1");
    EXPECT_EQ(read("10.12"), "10.12");
    for (const char* unreadable : {static_cast<const char*>(nullptr), "", "OpenGL ES 3.2", "4", "4.", ".5", " 4.5"})
        EXPECT_EQ(read(unreadable), "0.0") << (unreadable ? unreadable : "null");
}

TEST(GLRequirementsTest, EnoughFromFourTwoWithEveryEntryPoint) {
    EXPECT_EQ(driverShortfall({4, 2}, kAllThere), "");
    EXPECT_EQ(driverShortfall({4, 6}, kAllThere), "");
    EXPECT_EQ(driverShortfall({5, 0}, kAllThere), "");
}

TEST(GLRequirementsTest, SaysWhatIsNeededAndWhatTheDriverOffers) {
    EXPECT_EQ(driverShortfall({3, 3}, kAllThere),
              "Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver offers OpenGL 3.3.");
    EXPECT_EQ(driverShortfall({4, 1}, kAllThere),
              "Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver offers OpenGL 4.1.");
    EXPECT_EQ(driverShortfall({2, 1}, {{"glClear", true}, {"glTexStorage2D", false}}),
              "Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver offers OpenGL 2.1.");
    EXPECT_EQ(driverShortfall({0, 0}, {}),
              "Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver does not say which OpenGL "
              "version it offers.");
}

TEST(GLRequirementsTest, AMissingEntryPointFailsEvenAtANewVersion) {
    EXPECT_EQ(driverShortfall({4, 5}, {{"glClear", true}, {"glTexStorage2D", false}, {"glViewport", false}}),
              "Ondalith Screensaver needs OpenGL 4.2 or later; the graphics driver offers OpenGL 4.5 without "
              "glTexStorage2D.");
}

}  // namespace
}  // namespace ondalith
