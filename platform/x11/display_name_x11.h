#pragma once
// One spelling for each X display, so that names built from $DISPLAY agree however the
// user wrote it.
#include <string>

namespace ondalith::platform::x11 {

// "[protocol/][host]:number[.screen]" as the host part and the display number alone:
// ":0", ":0.0" and ":00" all give ":0", "example:10.1" gives "example:10". The screen
// is dropped because every screen of a display is the same session. A name that does
// not end in a display number is given back unchanged.
std::string normalDisplayName(const std::string& display);

}  // namespace ondalith::platform::x11
