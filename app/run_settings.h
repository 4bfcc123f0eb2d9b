#pragma once
// Settings of one run that the Linux command line can give beside the launch mode: the
// frame-rate box and a pause after each frame. The Windows host passes neither, so that
// build runs with the defaults.
#include <cstdint>
#include <string>
#include <vector>

namespace ondalith {

constexpr std::uint32_t kMaxDelayMicroseconds = 10000000;

// X programs take their long options with one dash or two: "--fps" or "-fps".
bool isOption(const std::string& arg, const char* doubleDashName);

// "-install", "--foo": a switch in the X manner. "-", "--" and "-1" are not, so a
// negative number after "/p" still reaches the Windows table as it always did.
bool isDashSwitch(const std::string& arg);

// A switch of either kind: in the X manner, or in the Windows one ("/s", "/c:5", "/").
bool isSwitch(const std::string& arg);

// An argument as a complaint may quote it: control characters become '?', so that the
// message stays one line whatever the argument holds.
std::string printable(const std::string& text);

struct RunSettings {
    bool showFps = false;                 // --fps: the frame-rate box in the lower-left corner
    std::uint32_t delayMicroseconds = 0;  // --delay N: wait after each presented frame
};

extern RunSettings runSettings;  // the one process-wide instance

// A whole decimal number from 0 to kMaxDelayMicroseconds, nothing else (no sign, no
// blanks, no exponent). False leaves `microseconds` as it was.
bool parseDelay(const char* text, std::uint32_t& microseconds);

// Takes --fps/-fps and --delay/-delay N out of `args`, leaving the other arguments in
// their order. The value of --delay is the next argument unless that is a switch, which
// then keeps its meaning. A --delay whose value is missing or unusable keeps the
// default and adds one line to `complaints`.
RunSettings takeRunSettings(std::vector<std::string>& args, std::vector<std::string>& complaints);

}  // namespace ondalith
