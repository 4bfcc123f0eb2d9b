#include "render/gl_requirements.h"

namespace ondalith {

namespace {

bool atLeast(GLVersion offered, GLVersion needed) {
    return offered.major != needed.major ? offered.major > needed.major : offered.minor >= needed.minor;
}

// A run of decimal digits at *text, moved past; -1 when there is none.
int readNumber(const char*& text) {
    if (*text < '0' || *text > '9') return -1;
    int value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (value < 100000) value = value * 10 + (*text - '0');
    }
    return value;
}

std::string numbered(GLVersion version) { return std::to_string(version.major) + "." + std::to_string(version.minor); }

}  // namespace

GLVersion parseGLVersion(const char* versionText) {
    if (!versionText) return {0, 0};
    const char* at = versionText;
    const int major = readNumber(at);
    if (major < 0 || *at != '.') return {0, 0};
    ++at;
    const int minor = readNumber(at);
    if (minor < 0) return {0, 0};
    return {major, minor};
}

std::string driverShortfall(GLVersion offered, const std::vector<EntryPoint>& entryPoints) {
    const EntryPoint* missing = nullptr;
    for (const EntryPoint& entry : entryPoints) {
        if (!entry.present) {
            missing = &entry;
            break;
        }
    }
    const bool versionEnough = atLeast(offered, kNeededGLVersion);
    if (versionEnough && !missing) return {};

    std::string text = "Ondalith Screensaver needs OpenGL " + numbered(kNeededGLVersion) + " or later; ";
    if (offered.major <= 0) return text + "the graphics driver does not say which OpenGL version it offers.";
    text += "the graphics driver offers OpenGL " + numbered(offered);
    // A driver that names a version but lacks one of its functions.
    if (versionEnough) text += std::string(" without ") + missing->name;
    return text + ".";
}

}  // namespace ondalith
