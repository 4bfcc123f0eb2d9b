#include "platform/x11/display_name_x11.h"

namespace ondalith::platform::x11 {

std::string normalDisplayName(const std::string& display) {
    // The last colon: a host may hold colons of its own (IPv6, DECnet's "::").
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return display;
    std::size_t end = colon + 1;
    while (end < display.size() && display[end] >= '0' && display[end] <= '9') ++end;
    const std::size_t digits = end - colon - 1;
    if (digits == 0) return display;
    if (end < display.size()) {
        // Only a screen number may follow the display number.
        if (display[end] != '.' || end + 1 == display.size()) return display;
        for (std::size_t i = end + 1; i < display.size(); ++i)
            if (display[i] < '0' || display[i] > '9') return display;
    }
    // Leading zeros name the same display; one digit of them stays for display 0.
    std::size_t first = colon + 1;
    while (first + 1 < end && display[first] == '0') ++first;
    return display.substr(0, colon + 1) + display.substr(first, end - first);
}

}  // namespace ondalith::platform::x11
