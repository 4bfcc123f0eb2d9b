#include "platform/window_focus.h"

namespace ondalith::platform {

// The windowing library maps its full-screen window and leaves the focus to others.
bool focusGivenAtCreation() { return false; }

}  // namespace ondalith::platform
