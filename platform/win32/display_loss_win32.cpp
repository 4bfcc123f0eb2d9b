#include "platform/display_loss.h"

namespace ondalith::platform {

// The window station outlives the saver: when the session ends, Windows ends it.
void endProcessWhenDisplayGoes() {}

}  // namespace ondalith::platform
