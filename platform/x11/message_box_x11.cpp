#include <cstdio>

#include "platform/message_box.h"

namespace ondalith::platform {

void showMessageBox(const char* text, const char* caption, MessageIcon) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}

// A line on stderr opens nothing on the desk and waits for no one.
bool hideDeskBehindBoxes(void (*)()) { return false; }

}  // namespace ondalith::platform
