#include "platform/stop_signal.h"

namespace ondalith::platform {

// The Windows host ends a saver through its window (input, close, disabled preview).
void installStopHandlers() {}
bool stopRequested() { return false; }

}  // namespace ondalith::platform
