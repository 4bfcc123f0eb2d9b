#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run_settings.h"

namespace ondalith {
namespace {

TEST(RunSettingsTest, TakesBothSwitchesInBothFormsAndKeepsTheRest) {
    std::vector<std::string> args{"--root", "-fps", "--delay", "20000", "/p", "5"};
    std::vector<std::string> complaints;
    RunSettings s = takeRunSettings(args, complaints);
    EXPECT_TRUE(s.showFps);
    EXPECT_EQ(s.delayMicroseconds, 20000u);
    EXPECT_EQ(args, (std::vector<std::string>{"--root", "/p", "5"}));
    EXPECT_TRUE(complaints.empty());

    args = {"-delay", "10000000", "--fps"};
    s = takeRunSettings(args, complaints);
    EXPECT_TRUE(s.showFps);
    EXPECT_EQ(s.delayMicroseconds, kMaxDelayMicroseconds);
    EXPECT_TRUE(args.empty());

    args = {"/s"};
    s = takeRunSettings(args, complaints);
    EXPECT_FALSE(s.showFps);
    EXPECT_EQ(s.delayMicroseconds, 0u);
    EXPECT_TRUE(complaints.empty());
}

TEST(RunSettingsTest, AnUnusableDelayGivesOneLineAndTheDefault) {
    for (const char* bad : {"", "abc", "-1", "+5", "1e6", "2.5", " 5", "5 ", "0x10", "10000001",
                            "99999999999999999999999", "5\nforged line"}) {
        std::vector<std::string> args{"--delay", "300", "--delay", bad, "/s"};
        std::vector<std::string> complaints;
        const RunSettings s = takeRunSettings(args, complaints);
        EXPECT_EQ(s.delayMicroseconds, 0u) << bad;
        ASSERT_EQ(complaints.size(), 1u) << bad;
        EXPECT_EQ(complaints[0].find('\n'), std::string::npos) << bad;
        EXPECT_EQ(args, std::vector<std::string>{"/s"}) << bad;
    }
    std::vector<std::string> args{"--fps", "--delay"};  // the value missing
    std::vector<std::string> complaints;
    const RunSettings s = takeRunSettings(args, complaints);
    EXPECT_TRUE(s.showFps);
    EXPECT_EQ(s.delayMicroseconds, 0u);
    EXPECT_EQ(complaints.size(), 1u);
}

TEST(RunSettingsTest, ASwitchAfterDelayIsNotItsValueAndKeepsItsMeaning) {
    for (const char* next : {"--root", "-window-id", "/s", "/c:5", "/"}) {
        std::vector<std::string> args{"--delay", next, "7"};
        std::vector<std::string> complaints;
        const RunSettings s = takeRunSettings(args, complaints);
        EXPECT_EQ(s.delayMicroseconds, 0u) << next;
        EXPECT_EQ(complaints, std::vector<std::string>{"--delay has no value; using 0"}) << next;
        EXPECT_EQ(args, (std::vector<std::string>{next, "7"})) << next;
    }
    std::vector<std::string> args{"-delay", "--fps"};
    std::vector<std::string> complaints;
    EXPECT_TRUE(takeRunSettings(args, complaints).showFps);
    EXPECT_TRUE(args.empty());
}

}  // namespace
}  // namespace ondalith
