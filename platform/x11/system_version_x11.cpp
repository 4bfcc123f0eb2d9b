#include "platform/system_version.h"

namespace ondalith::platform {

// Only old Windows releases get the fixed 1280 x 768 window; every X desktop takes the
// modern path and runs at the monitor's own video mode.
int systemVersion() { return 60; }

}  // namespace ondalith::platform
