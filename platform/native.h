#pragma once
// The operating-system seam. Each header in platform/ is one service that the saver
// needs from the system (resources, message boxes, monitors and covers, the focus, the
// display's power, ...); platform/win32/ and platform/x11/ each implement all of them,
// a header foo.h in foo_win32.cpp and foo_x11.cpp, and the build picks one folder.
// Nothing above this layer tests for the OS. Beside the services lie the few portable
// parts that both systems' implementations share: the reading of a BITMAP resource
// (bitmap.h over each system's bitmap_source.h), the BMP format itself (bmp_decoder.h),
// and the choice of sound system, which tests can replace (sound_device.cpp).
#include <cstdint>

namespace ondalith::platform {

// A window of another program (the screensaver host's preview window, or the window
// an X screensaver daemon hands over), as wide as a pointer: a 64-bit Windows host
// hands over a 64-bit handle.
using NativeWindow = std::uintptr_t;

}  // namespace ondalith::platform
