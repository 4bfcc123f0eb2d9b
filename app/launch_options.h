#pragma once
// The launch modes and the command line that selects them.
#include <cstdint>

#include "platform/native.h"

namespace ondalith {

enum SaverMode : std::int32_t { Preview = 0, Screensaver = 1, Configure = 2, None = 3 };

struct LaunchOptions {
    SaverMode mode;
    platform::NativeWindow parentWindow;  // 0 when no window follows the switch
};

// Pure function of the text: "/p 1234", "/s", "/c:5678" and everything else.
LaunchOptions parseCommandLine(const char* commandLine);

// Creates the single-instance marker; false when another preview or switch-less
// instance already holds it.
bool isFirstInstance();

}  // namespace ondalith
