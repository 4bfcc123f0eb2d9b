#include "platform/window_focus.h"

namespace ondalith::platform {

// The windowing library brings its full-screen window to the foreground inside creation.
bool focusGivenAtCreation() { return true; }

}  // namespace ondalith::platform
