// The Linux entry: the Windows switches, joined into one command-line tail, plus the
// forms an X screensaver daemon uses to hand over the window to draw into.
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "app/entry.h"
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
    "  --window-id, -window-id ID  draw into window ID (hexadecimal 0x... or decimal)\n"
    "With any of the above:\n"
    "  --fps, -fps                 show the frame rate and the time t in the lower-left corner\n"
    "  --delay, -delay N           wait N microseconds after each frame (0 to 10000000, default 0)\n"
    "  --help                      show this text\n";

// A window id as X tools print it: "0x..." hexadecimal or decimal. 0 when unusable.
std::uint32_t parseWindowId(const char* text) {
    if (!text) return 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (end == text || *end != '\0' || value > 0xffffffffull) return 0;
    return static_cast<std::uint32_t>(value);
}

int hostedRun(std::uint32_t window, const char* what) {
    if (window == 0) {
        std::fprintf(stderr, "ondalith: %s is not a usable window id\n", what);
        return 0;
    }
    // The daemon runs one hack per monitor, so the single-instance rule stays out of it.
    auto* options = new ondalith::LaunchOptions{ondalith::Preview, window};
    return ondalith::runSaverProcess(options, false, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> complaints;
    ondalith::runSettings = ondalith::takeRunSettings(args, complaints);
    for (const std::string& line : complaints) std::fprintf(stderr, "ondalith: %s\n", line.c_str());

    const int count = static_cast<int>(args.size());
    for (int i = 0; i < count; ++i) {
        const std::string& arg = args[i];
        if (ondalith::isOption(arg, "--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (ondalith::isOption(arg, "--window-id")) {
            return hostedRun(parseWindowId(i + 1 < count ? args[i + 1].c_str() : nullptr), "--window-id");
        }
        if (ondalith::isOption(arg, "--root")) {
            if (const char* env = std::getenv("XSCREENSAVER_WINDOW")) return hostedRun(parseWindowId(env), "XSCREENSAVER_WINDOW");
            auto* options = new ondalith::LaunchOptions{ondalith::Screensaver, 0};
            return ondalith::runSaverProcess(options, false, nullptr, 0);
        }
    }
    std::string tail;
    for (const std::string& arg : args) {
        if (!tail.empty()) tail += ' ';
        tail += arg;
    }
    auto* options = new ondalith::LaunchOptions(ondalith::parseCommandLine(tail.c_str()));
    return ondalith::runSaverProcess(options, true, nullptr, 0);
}
