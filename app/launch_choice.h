#pragma once
// What the Linux command line asks for. Beside the Windows switches it takes the forms
// an X screensaver daemon and its settings dialog use: --window-id ID and --root with
// the window in XSCREENSAVER_WINDOW. Kept free of X and of the process environment so
// that every combination can be tried without a display.
#include <cstdint>
#include <string>
#include <vector>

#include "app/launch_options.h"

namespace ondalith {

struct LaunchChoice {
    enum Action { Run, ShowHelp, Refuse } action = Run;
    LaunchOptions options{None, 0};
    bool singleInstanceRule = true;    // only the Windows table's preview and switch-less runs
    std::vector<std::string> complaints;  // one line each, for standard error
};

// A window id as X tools print it: "0x" and hexadecimal digits, or decimal digits;
// nothing else (no sign, no blanks, no octal). 0 and values past 32 bits are no window.
// False leaves `window` as it was.
bool parseWindowId(const char* text, std::uint32_t& window);

// From the arguments that takeRunSettings left and the value of XSCREENSAVER_WINDOW
// (nullptr when unset). --help anywhere shows the help. Otherwise a window named by
// --window-id (the last one, its value being the next argument whatever it looks like)
// wins over --root, in any order; --root then takes the variable's window, or runs
// full screen without the variable. Neither form: the other arguments, joined with
// blanks, go through the Windows switch table. Unknown dash switches (a dash or two
// and then a letter: "-install", "--foo") are dropped with a complaint, so they never
// change which of these applies; "-1" stays, as the number after "/p" may be negative.
// An unusable window id refuses the run with one complaint.
LaunchChoice chooseLaunch(const std::vector<std::string>& args, const char* xscreensaverWindow);

}  // namespace ondalith
