#include "app/launch_choice.h"

#include <cctype>

#include "app/run_settings.h"

namespace ondalith {

bool parseWindowId(const char* text, std::uint32_t& window) {
    if (!text) return false;
    unsigned base = 10;
    const char* digits = text;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        digits = text + 2;
    }
    if (!*digits) return false;
    std::uint64_t value = 0;
    for (const char* p = digits; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && std::isxdigit(c)) {
            digit = static_cast<unsigned>(std::tolower(c) - 'a' + 10);
        } else {
            return false;
        }
        value = value * base + digit;
        if (value > 0xffffffffu) return false;  // also keeps long digit runs from overflowing
    }
    if (value == 0) return false;
    window = static_cast<std::uint32_t>(value);
    return true;
}

LaunchChoice chooseLaunch(const std::vector<std::string>& args, const char* xscreensaverWindow) {
    LaunchChoice choice;
    bool root = false;
    const std::string* windowSwitch = nullptr;  // the last --window-id, as written
    const std::string* windowValue = nullptr;   // its value; nullptr when none follows
    std::string tail;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (isOption(arg, "--help")) {
            choice.action = LaunchChoice::ShowHelp;
            return choice;
        }
        if (isOption(arg, "--window-id")) {
            windowSwitch = &arg;
            windowValue = i + 1 < args.size() ? &args[++i] : nullptr;
        } else if (isOption(arg, "--root")) {
            root = true;
        } else if (isDashSwitch(arg)) {
            choice.complaints.push_back("ignoring the unknown switch \"" + printable(arg) + "\"");
        } else {
            if (!tail.empty()) tail += ' ';
            tail += arg;
        }
    }

    // Daemons run one hack per monitor at once, so the single-instance rule stays out of
    // both daemon forms.
    if (windowSwitch || root) choice.singleInstanceRule = false;
    const char* windowText = nullptr;
    std::string windowSource;
    if (windowSwitch) {
        windowText = windowValue ? windowValue->c_str() : nullptr;
        windowSource = *windowSwitch;
    } else if (root && xscreensaverWindow) {
        windowText = xscreensaverWindow;
        windowSource = "XSCREENSAVER_WINDOW";
    } else if (root) {
        choice.options = {Screensaver, 0};
        return choice;
    } else {
        choice.options = parseCommandLine(tail.c_str());
        return choice;
    }

    std::uint32_t window = 0;
    if (!parseWindowId(windowText, window)) {
        choice.action = LaunchChoice::Refuse;
        choice.complaints.push_back(windowSource + " is not a usable window id");
        return choice;
    }
    choice.options = {Preview, window};
    return choice;
}

}  // namespace ondalith
