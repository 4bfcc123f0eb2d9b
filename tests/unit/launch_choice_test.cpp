#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/launch_choice.h"

namespace ondalith {
namespace {

using Args = std::vector<std::string>;

std::string shown(const Args& args, const char* variable) {
    std::string out = variable ? std::string("XSCREENSAVER_WINDOW=") + variable : "(no variable)";
    for (const std::string& a : args) out += " [" + a + "]";
    return out;
}

void expectRun(const Args& args, const char* variable, SaverMode mode, platform::NativeWindow window, bool rule) {
    const LaunchChoice c = chooseLaunch(args, variable);
    EXPECT_EQ(c.action, LaunchChoice::Run) << shown(args, variable);
    EXPECT_EQ(c.options.mode, mode) << shown(args, variable);
    EXPECT_EQ(c.options.parentWindow, window) << shown(args, variable);
    EXPECT_EQ(c.singleInstanceRule, rule) << shown(args, variable);
}

TEST(LaunchChoiceTest, TheNamedWindowWinsInEveryOrderWithOrWithoutTheVariable) {
    // Every order of --root, --window-id ID and an unknown switch, in both spellings,
    // with no variable and with a variable that names another window.
    for (const char* dash : {"--", "-"}) {
        const std::string root = std::string(dash) + "root", windowId = std::string(dash) + "window-id";
        std::vector<Args> parts{{root}, {windowId, "0x2a"}, {"-install"}};
        std::sort(parts.begin(), parts.end());
        do {
            Args args;
            for (const Args& p : parts) args.insert(args.end(), p.begin(), p.end());
            for (const char* variable : {static_cast<const char*>(nullptr), "0x63", "junk"}) {
                expectRun(args, variable, Preview, 0x2a, false);
                EXPECT_EQ(chooseLaunch(args, variable).complaints, Args{"ignoring the unknown switch \"-install\""});
            }
        } while (std::next_permutation(parts.begin(), parts.end()));
    }
    // The last --window-id counts; the Windows switches beside a daemon form do not.
    expectRun({"--window-id", "7", "/s", "-window-id", "0x10"}, nullptr, Preview, 16, false);
}

TEST(LaunchChoiceTest, TheVariableCountsOnlyWithRoot) {
    expectRun({"--root"}, nullptr, Screensaver, 0, false);
    expectRun({"-root", "-install"}, nullptr, Screensaver, 0, false);
    expectRun({"--root"}, "0x63", Preview, 0x63, false);
    expectRun({"/s", "-root"}, "99", Preview, 99, false);
    expectRun({}, "0x63", None, 0, true);
    expectRun({"/p", "5"}, "0x63", Preview, 5, true);
}

TEST(LaunchChoiceTest, AnUnusableWindowIdRefusesTheRunWithOneLineWhicheverFormNamedIt) {
    for (const char* bad : {"0", "0x0", "junk", "", "0x", "4294967296", "0x100000000", "99999999999999999999999",
                            "-1", "+5", " 5", "5 ", "5x", "0x-5", "--root"}) {
        const struct {
            Args args;
            const char* variable;
            std::string source;
        } forms[] = {
            {{"--window-id", bad}, nullptr, "--window-id"},
            {{"--root", "-window-id", bad}, "0x63", "-window-id"},  // no fallback to a good variable
            {{"--root"}, bad, "XSCREENSAVER_WINDOW"},
        };
        for (const auto& f : forms) {
            const LaunchChoice c = chooseLaunch(f.args, f.variable);
            EXPECT_EQ(c.action, LaunchChoice::Refuse) << shown(f.args, f.variable);
            EXPECT_EQ(c.complaints, Args{f.source + " is not a usable window id"}) << shown(f.args, f.variable);
        }
    }
    const LaunchChoice missing = chooseLaunch({"--root", "--window-id"}, "0x63");
    EXPECT_EQ(missing.action, LaunchChoice::Refuse);
    EXPECT_EQ(missing.complaints, Args{"--window-id is not a usable window id"});
}

TEST(LaunchChoiceTest, WindowIdsAreHexadecimalWithTheirPrefixOrDecimal) {
    const struct {
        const char* text;
        std::uint32_t window;
    } good[] = {{"0x2a", 42}, {"0X2A", 42}, {"42", 42}, {"010", 10}, {"0xffffffff", 0xffffffffu},
                {"4294967295", 0xffffffffu}, {"0x000000000001", 1}};
    for (const auto& g : good) {
        std::uint32_t window = 0;
        EXPECT_TRUE(parseWindowId(g.text, window)) << g.text;
        EXPECT_EQ(window, g.window) << g.text;
    }
    std::uint32_t untouched = 7;
    EXPECT_FALSE(parseWindowId(nullptr, untouched));
    EXPECT_FALSE(parseWindowId("2a", untouched));
    EXPECT_EQ(untouched, 7u);
}

TEST(LaunchChoiceTest, TheWindowsSwitchesGoThroughTheirTableAsBeforeAndUnknownDashSwitchesAreDropped) {
    expectRun({}, nullptr, None, 0, true);
    expectRun({"/s"}, nullptr, Screensaver, 0, true);
    expectRun({"/p", "1234"}, nullptr, Preview, 1234, true);
    // a negative number is no switch; it wraps as the handle's width does
    expectRun({"/p", "-1"}, nullptr, Preview, ~platform::NativeWindow{0}, true);
    expectRun({"/c"}, nullptr, Configure, 0, true);
    expectRun({"/c:1234"}, nullptr, Configure, 1234, true);
    expectRun({"-", "--", "/S"}, nullptr, None, 0, true);

    // An unknown switch is dropped, so it neither sets a mode nor takes the number's place.
    expectRun({"/p", "-install", "1234"}, nullptr, Preview, 1234, true);
    const LaunchChoice c = chooseLaunch({"-install", "--x/s", "/s", "-visual\nforged"}, nullptr);
    EXPECT_EQ(c.options.mode, Screensaver);
    EXPECT_EQ(c.complaints, (Args{"ignoring the unknown switch \"-install\"", "ignoring the unknown switch \"--x/s\"",
                                  "ignoring the unknown switch \"-visual?forged\""}));
}

TEST(LaunchChoiceTest, HelpAnywhereWins) {
    EXPECT_EQ(chooseLaunch({"--root", "--window-id", "0x2a", "-help"}, "0x63").action, LaunchChoice::ShowHelp);
    EXPECT_EQ(chooseLaunch({"/s", "--help"}, nullptr).action, LaunchChoice::ShowHelp);
}

}  // namespace
}  // namespace ondalith
