#include <gtest/gtest.h>

#include "platform/x11/display_name_x11.h"

namespace ondalith::platform::x11 {
namespace {

TEST(DisplayNameTest, OneSpellingPerDisplay) {
    struct Case {
        const char* given;
        const char* normal;
    } cases[] = {
        {":0", ":0"},
        {":0.0", ":0"},
        {":0.1", ":0"},
        {":00", ":0"},
        {":012.3", ":12"},
        {"example:10.1", "example:10"},
        {"tcp/example:10.0", "tcp/example:10"},
        {"[::1]:2.0", "[::1]:2"},
        {"decnet::3.0", "decnet::3"},
        {"/tmp/launch-x/org.host:0", "/tmp/launch-x/org.host:0"},
        // Not a display number at the end: left as they are.
        {"", ""},
        {"example", "example"},
        {":", ":"},
        {":0.", ":0."},
        {":0.x", ":0.x"},
        {":0x", ":0x"},
        {":a.0", ":a.0"},
    };
    for (const Case& c : cases) EXPECT_EQ(normalDisplayName(c.given), c.normal) << '"' << c.given << '"';
}

}  // namespace
}  // namespace ondalith::platform::x11
