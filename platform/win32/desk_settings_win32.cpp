#include <windows.h>

#include "platform/desk_settings.h"

namespace ondalith::platform {

namespace {
bool kept = false;
UINT trails = 0;
}  // namespace

void keepDeskSettings() { kept = SystemParametersInfoW(SPI_GETMOUSETRAILS, 0, &trails, 0) != 0; }

// Without SPIF_UPDATEINIFILE, as the library switched them off: the user's profile was
// never changed, only the session's value.
void restoreDeskSettings() {
    if (kept) SystemParametersInfoW(SPI_SETMOUSETRAILS, trails, nullptr, 0);
}

}  // namespace ondalith::platform
