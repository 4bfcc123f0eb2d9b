#include <gtest/gtest.h>

#include <string>

#include "app/launch_options.h"

namespace ondalith {
namespace {

struct Case {
    const char* commandLine;
    SaverMode mode;
    platform::NativeWindow parentWindow;
};

TEST(ParseCommandLineTest, TableOfSwitches) {
    const Case cases[] = {
        {"", None, 0},
        {"/s", Screensaver, 0},
        {"/p 1234", Preview, 1234},
        {"/c:5678", Configure, 5678},
        {"/c", Configure, 0},
        {"/S", None, 0},
        {"/p 12 /x 34", Preview, 34},
        // upper case and other letters neither set a mode nor read a number before one is set
        {"/P 99 /C 98", None, 0},
        {"/x 5 /s", Screensaver, 0},
        // the last mode wins, the last number after the first switch wins
        {"/p 10 /s", Screensaver, 0},
        {"/s /p 77", Preview, 77},
        // atoi rules: leading blanks, sign, digits up to the first non-digit
        {"/p   42abc", Preview, 42},
        {"/p +7", Preview, 7},
        {"/p x9", Preview, 0},
        // the separator may be any character; the number starts three after the slash
        {"/p:65536", Preview, 65536},
        {"/p12345", Preview, 2345},
    };
    for (const Case& c : cases) {
        const LaunchOptions o = parseCommandLine(c.commandLine);
        EXPECT_EQ(o.mode, c.mode) << '"' << c.commandLine << '"';
        EXPECT_EQ(o.parentWindow, c.parentWindow) << '"' << c.commandLine << '"';
    }
}

TEST(ParseCommandLineTest, TextEndingAtTheSwitchNeverReadsPastItsEnd) {
    // Exactly sized buffers: a read past the terminator is caught by ASan.
    for (const char* text : {"/p", "/s", "/c", "/p ", "/c:", "/", "x/"}) {
        const std::string exact(text);
        const LaunchOptions o = parseCommandLine(exact.c_str());
        EXPECT_EQ(o.parentWindow, 0u) << text;
    }
    EXPECT_EQ(parseCommandLine("/p 5 /").parentWindow, 0u);
    EXPECT_EQ(parseCommandLine(nullptr).mode, None);
}

// A handle is as wide as a pointer: 64-bit hosts hand over 64-bit handles, and the
// value wraps only beyond that width.
TEST(ParseCommandLineTest, HandlesTakeThePointerWidthAndWrapBeyondIt) {
    const bool wide = sizeof(platform::NativeWindow) == 8;
    const platform::NativeWindow all = ~platform::NativeWindow{0};
    const std::string beyond = wide ? "18446744073709551616" : "4294967296";  // 2^N
    EXPECT_EQ(parseCommandLine(("/p " + std::to_string(all)).c_str()).parentWindow, all);
    EXPECT_EQ(parseCommandLine(("/p " + beyond).c_str()).parentWindow, 0u);
    EXPECT_EQ(parseCommandLine("/p -1").parentWindow, all);
    EXPECT_EQ(parseCommandLine("/p 4294967297").parentWindow, wide ? platform::NativeWindow{4294967297u} : 1u);
    EXPECT_EQ(parseCommandLine("/p 99999999999999999999999999").mode, Preview);
}

}  // namespace
}  // namespace ondalith
