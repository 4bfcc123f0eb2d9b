#include "app/launch_options.h"

#include "platform/instance_marker.h"

namespace ondalith {

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// atoi's rules without its undefined overflow: the value wraps modulo 2^N, N the width
// of a handle (32 or 64 bits), which is also how a handle printed as an unsigned
// number of that width reads back.
platform::NativeWindow readHandle(const char* text) {
    while (isSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = (*text++ == '-');
    platform::NativeWindow value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10u + static_cast<platform::NativeWindow>(*text - '0');
    return negative ? 0u - value : value;
}

}  // namespace

LaunchOptions parseCommandLine(const char* commandLine) {
    LaunchOptions options{None, 0};
    if (!commandLine) return options;
    for (const char* p = commandLine; *p; ++p) {
        if (*p != '/') continue;
        switch (p[1]) {
            case 'p': options.mode = Preview; break;
            case 's': options.mode = Screensaver; break;
            case 'c': options.mode = Configure; break;
            default: break;
        }
        if (options.mode == None) continue;
        // The number starts three characters after the slash (letter and one
        // separator skipped); a text that ends before that has no number.
        if (p[1] == '\0' || p[2] == '\0') {
            options.parentWindow = 0;
        } else {
            options.parentWindow = readHandle(p + 3);
        }
    }
    return options;
}

bool isFirstInstance() {
    return platform::createInstanceMarker("K_OPENGL_SCREENSAVER") != platform::MarkerResult::AlreadyExists;
}

}  // namespace ondalith
