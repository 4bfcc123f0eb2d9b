#pragma once
// The operating-system seam. Each header in platform/ is one service that the saver
// needs from the system; platform/win32/ and platform/x11/ each implement all of them,
// and the build picks one folder. Nothing above this layer tests for the OS.
#include <cstdint>

namespace ondalith::platform {

// A window of another program (the screensaver host's preview window, or the window
// an X screensaver daemon hands over), as wide as a pointer: a 64-bit Windows host
// hands over a 64-bit handle.
using NativeWindow = std::uintptr_t;

}  // namespace ondalith::platform
