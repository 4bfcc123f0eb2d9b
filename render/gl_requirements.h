#pragma once
// What the saver asks of the GL driver, and the verdict on what a driver offers. Pure:
// the driver is read elsewhere (render/gl_driver.h), so that the verdict can be tried
// with any version and any set of entry points.
#include <string>
#include <vector>

namespace ondalith {

struct GLVersion {
    int major;
    int minor;
};

// Immutable texture storage (glTexStorage2D) is the newest thing the saver calls; the
// rest is 3.x: instanced drawing and GLSL 1.40 (3.1), vertex-array objects, GL_R8 and
// the integer version query (3.0).
constexpr GLVersion kNeededGLVersion{4, 2};

struct EntryPoint {
    const char* name;
    bool present;
};

// The version at the start of a GL_VERSION text ("4.5 (Compatibility Profile) Mesa"),
// 0.0 when there is none to read.
GLVersion parseGLVersion(const char* versionText);

// Empty when the driver offers all the saver calls; otherwise the notice that says which
// OpenGL version the saver needs and which the driver offers.
std::string driverShortfall(GLVersion offered, const std::vector<EntryPoint>& entryPoints);

}  // namespace ondalith
