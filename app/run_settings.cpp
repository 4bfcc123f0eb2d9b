#include "app/run_settings.h"

#include <cctype>

namespace ondalith {

RunSettings runSettings;

std::string printable(const std::string& text) {
    std::string out;
    for (char c : text) out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    return out;
}

bool isOption(const std::string& arg, const char* doubleDashName) {
    return arg == doubleDashName || arg == doubleDashName + 1;
}

bool isDashSwitch(const std::string& arg) {
    const std::size_t dashes = arg.compare(0, 2, "--") == 0 ? 2 : (arg.compare(0, 1, "-") == 0 ? 1 : 0);
    return dashes > 0 && arg.size() > dashes && std::isalpha(static_cast<unsigned char>(arg[dashes])) != 0;
}

bool isSwitch(const std::string& arg) { return isDashSwitch(arg) || arg.compare(0, 1, "/") == 0; }

bool parseDelay(const char* text, std::uint32_t& microseconds) {
    if (!text || !*text) return false;
    std::uint64_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(*p - '0');
        if (value > kMaxDelayMicroseconds) return false;  // also keeps long digit runs from overflowing
    }
    microseconds = static_cast<std::uint32_t>(value);
    return true;
}

RunSettings takeRunSettings(std::vector<std::string>& args, std::vector<std::string>& complaints) {
    RunSettings settings;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (isOption(args[i], "--fps")) {
            settings.showFps = true;
        } else if (isOption(args[i], "--delay")) {
            // A daemon's command line with the number left out ("--delay --root") must
            // still draw where it was told: a switch is never taken for the value.
            const bool present = i + 1 < args.size() && !isSwitch(args[i + 1]);
            std::uint32_t value = 0;
            if (present && parseDelay(args[i + 1].c_str(), value)) {
                settings.delayMicroseconds = value;
            } else {
                // A bad value falls back to the default rather than ending the run.
                settings.delayMicroseconds = 0;
                complaints.push_back(present ? "--delay \"" + printable(args[i + 1]) +
                                                   "\" is not a whole number of microseconds from 0 to " +
                                                   std::to_string(kMaxDelayMicroseconds) + "; using 0"
                                             : std::string("--delay has no value; using 0"));
            }
            if (present) ++i;
        } else {
            rest.push_back(args[i]);
        }
    }
    args.swap(rest);
    return settings;
}

}  // namespace ondalith
