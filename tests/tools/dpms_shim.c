// Test-only DPMS answers for the saver, loaded with LD_PRELOAD: the X servers a test can
// start here (Xvfb, Xephyr, Xorg's dummy driver) have no DPMS extension, so a display
// that is off can only be played. The shim stands in for the extension's three client
// calls; the saver's own code asks them as it would ask a real server.
//
//   ONDALITH_DPMS_FILE=PATH   the display's level is the first word of that file:
//                             "off" (or "standby", "suspend") or anything else for on;
//                             no file, on
//
// Everything else about the connection is the real server's.
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

Bool DPMSQueryExtension(Display* display, int* event_base, int* error_base) {
    (void) display;
    *event_base = 0;
    *error_base = 0;
    return True;
}

Bool DPMSCapable(Display* display) {
    (void) display;
    return True;
}

Status DPMSInfo(Display* display, CARD16* power_level, BOOL* state) {
    (void) display;
    *power_level = DPMSModeOn;
    *state = True;
    const char* path = getenv("ONDALITH_DPMS_FILE");
    FILE* file = path ? fopen(path, "r") : NULL;
    if (!file) return 1;
    char word[16] = "";
    if (fscanf(file, "%15s", word) == 1) {
        if (strcmp(word, "off") == 0) *power_level = DPMSModeOff;
        if (strcmp(word, "standby") == 0) *power_level = DPMSModeStandby;
        if (strcmp(word, "suspend") == 0) *power_level = DPMSModeSuspend;
    }
    fclose(file);
    return 1;
}
