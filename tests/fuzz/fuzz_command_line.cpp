// Any command line gives a defined mode and never reads past the end of its text: the
// Windows tail as one string, and the same bytes as a Linux argument list (split at
// NUL bytes as argv would be, the first piece standing for XSCREENSAVER_WINDOW).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/launch_choice.h"
#include "app/run_settings.h"

namespace {

bool defined(const ondalith::LaunchOptions& options) {
    if (options.mode < ondalith::Preview || options.mode > ondalith::None) return false;
    return !(options.mode == ondalith::None && options.parentWindow != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char* text = static_cast<char*>(std::malloc(size + 1));
    std::memcpy(text, data, size);
    text[size] = '\0';
    if (!defined(ondalith::parseCommandLine(text))) std::abort();
    std::free(text);

    std::vector<std::string> args;
    std::string piece;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\0') {
            args.push_back(piece);
            piece.clear();
        } else {
            piece += static_cast<char>(data[i]);
        }
    }
    const std::string variable = args.front();
    args.erase(args.begin());
    std::vector<std::string> complaints;
    ondalith::takeRunSettings(args, complaints);
    const ondalith::LaunchChoice choice = ondalith::chooseLaunch(args, variable.empty() ? nullptr : variable.c_str());
    if (choice.action == ondalith::LaunchChoice::Run && !defined(choice.options)) std::abort();
    // A hosted run always has a window; the daemon forms never take the marker.
    if (choice.action == ondalith::LaunchChoice::Run && !choice.singleInstanceRule &&
        choice.options.mode == ondalith::Preview && choice.options.parentWindow == 0) {
        std::abort();
    }
    for (const std::string& line : choice.complaints) {
        if (line.find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
