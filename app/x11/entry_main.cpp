// The Linux entry: the Windows switches, joined into one command-line tail, plus the
// forms an X screensaver daemon uses to hand over the window to draw into.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/entry.h"
#include "app/launch_choice.h"
#include "app/run_settings.h"

namespace {

constexpr const char* kUsage =
    "Usage: ondalith [/s | /p <window> | /c]\n"
    "  /s            run full screen\n"
    "  /p <window>   draw inside an existing window (decimal X window id)\n"
    "  /c            show the About window\n"
    "  (no switch)   run full screen, unless another preview or switch-less run is active\n"
    "As an XScreenSaver hack:\n"
    "  --root, -root               draw into $XSCREENSAVER_WINDOW (full screen without it)\n"
    "  --window-id, -window-id ID  draw into window ID (hexadecimal 0x... or decimal),\n"
    "                              also when --root or $XSCREENSAVER_WINDOW is given\n"
    "With any of the above:\n"
    "  --fps, -fps                 show the frame rate and the time t in the lower-left corner\n"
    "  --delay, -delay N           wait N microseconds after each frame (0 to 10000000, default 0)\n"
    "  --help                      show this text\n"
    "Other switches that start with a dash are ignored, with a line on standard error.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> complaints;
    ondalith::runSettings = ondalith::takeRunSettings(args, complaints);
    ondalith::LaunchChoice choice = ondalith::chooseLaunch(args, std::getenv("XSCREENSAVER_WINDOW"));
    complaints.insert(complaints.end(), choice.complaints.begin(), choice.complaints.end());
    for (const std::string& line : complaints) std::fprintf(stderr, "ondalith: %s\n", line.c_str());

    switch (choice.action) {
        case ondalith::LaunchChoice::ShowHelp: std::fputs(kUsage, stdout); return 0;
        case ondalith::LaunchChoice::Refuse: return 0;
        case ondalith::LaunchChoice::Run: break;
    }
    auto* options = new ondalith::LaunchOptions(choice.options);
    return ondalith::runSaverProcess(options, choice.singleInstanceRule, nullptr, 0);
}
