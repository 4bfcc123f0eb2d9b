#pragma once
// Queries on a window that belongs to another program.
#include "platform/native.h"

namespace ondalith::platform {

// Client-area size; false when the window cannot be read.
bool hostClientSize(NativeWindow window, int& width, int& height);

// False once the host has disabled the window or it no longer exists.
bool hostWindowEnabled(NativeWindow window);

}  // namespace ondalith::platform
