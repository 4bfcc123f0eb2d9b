// The Linux entry: the Windows switches, joined into one command-line tail, plus the
// forms an X screensaver daemon uses to hand over the window to draw into.
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <string>

#include "app/entry.h"

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
    "  --help                      show this text\n";

// X programs take their long options with one dash or two.
bool is(const char* arg, const char* doubleDashName) {
    return std::strcmp(arg, doubleDashName) == 0 || std::strcmp(arg, doubleDashName + 1) == 0;
}

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
    for (int i = 1; i < argc; ++i) {
        if (is(argv[i], "--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (is(argv[i], "--window-id")) {
            return hostedRun(parseWindowId(i + 1 < argc ? argv[i + 1] : nullptr), "--window-id");
        }
        if (is(argv[i], "--root")) {
            if (const char* env = std::getenv("XSCREENSAVER_WINDOW")) return hostedRun(parseWindowId(env), "XSCREENSAVER_WINDOW");
            auto* options = new ondalith::LaunchOptions{ondalith::Screensaver, 0};
            return ondalith::runSaverProcess(options, false, nullptr, 0);
        }
    }
    std::string tail;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) tail += ' ';
        tail += argv[i];
    }
    auto* options = new ondalith::LaunchOptions(ondalith::parseCommandLine(tail.c_str()));
    return ondalith::runSaverProcess(options, true, nullptr, 0);
}
