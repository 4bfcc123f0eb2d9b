#include <windows.h>

#include "platform/desk_settings.h"

namespace ondalith::platform {

namespace {
bool kept = false;
bool noted = false;
UINT before = 0;
UINT set = 0;

bool readTrails(UINT& trails) { return SystemParametersInfoW(SPI_GETMOUSETRAILS, 0, &trails, 0) != 0; }
}  // namespace

void keepDeskSettings() { kept = readTrails(before); }

void noteDeskSettingsSet() { noted = kept && readTrails(set); }

// Without SPIF_UPDATEINIFILE, as the library switched them off: the user's profile was
// never changed, only the session's value.
void restoreDeskSettings() {
    UINT now = 0;
    if (!kept || !readTrails(now)) return;
    const UINT leave = settingToLeave(before, noted ? set : now, now);
    if (leave != now) SystemParametersInfoW(SPI_SETMOUSETRAILS, leave, nullptr, 0);
}

}  // namespace ondalith::platform
