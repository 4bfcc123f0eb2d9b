#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "mesh/obj_text.h"

namespace ondalith {
namespace {

using Pieces = std::vector<std::string>;

TEST(ObjTextTest, TokenAndTailSplitAtBlanksOnly) {
    EXPECT_EQ(leadingToken(""), "");
    EXPECT_EQ(leadingToken(" \t "), "");
    EXPECT_EQ(leadingToken("\t usemtl  red "), "usemtl");
    EXPECT_EQ(leadingToken("v\r"), "v\r");

    EXPECT_EQ(lineTail("usemtl"), "");
    EXPECT_EQ(lineTail("usemtl   "), "");
    EXPECT_EQ(lineTail("  g  left arm \t "), "left arm");
    EXPECT_EQ(lineTail("newmtl red\r"), "red\r");  // a carriage return is not a blank
    EXPECT_EQ(lineTail("map_Kd \r"), "\r");
}

TEST(ObjTextTest, SplitKeepsEmptyMiddlePiecesButNoTrailingOne) {
    EXPECT_EQ(splitOn("1//3", "/"), (Pieces{"1", "", "3"}));
    EXPECT_EQ(splitOn("1/2/", "/"), (Pieces{"1", "2"}));
    EXPECT_EQ(splitOn("/2", "/"), (Pieces{"", "2"}));
    EXPECT_EQ(splitOn("", "/"), Pieces{});
    EXPECT_EQ(splitOn("7", "/"), Pieces{"7"});
    EXPECT_EQ(splitOn("1  2", " "), (Pieces{"1", "", "2"}));
    EXPECT_EQ(splitOn("a--b--", "--"), (Pieces{"a", "b"}));
}

TEST(ObjTextTest, LineEnds) {
    EXPECT_EQ(trimLineEnd("red\r\n\r"), "red");
    EXPECT_EQ(trimLineEnd("\r\n"), "\r\n");
    EXPECT_EQ(trimLineEnd(""), "");
    EXPECT_EQ(dropCarriageReturns("v 1 2 3\r"), "v 1 2 3");
    EXPECT_EQ(dropCarriageReturns("ab\rXcd\r\r"), "abcd");

    std::vector<std::string> lines;
    forEachLine(std::string("a\n\nb\0c\nlast", 11), [&](const std::string& l) { lines.push_back(l); });
    EXPECT_EQ(lines, (Pieces{"a", "", std::string("b\0c", 3), "last"}));
}

TEST(ObjTextTest, NumbersTakeTheLongestPrefixInAnyLocale) {
    // A decimal comma locale must not change how the model texts read.
    const bool commaLocale = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    float f = -1.0f;
    EXPECT_TRUE(readFloat(" \t1.5\r", f));
    EXPECT_EQ(f, 1.5f);
    EXPECT_TRUE(readFloat("-2.5e2xyz", f));
    EXPECT_EQ(f, -250.0f);
    EXPECT_TRUE(readFloat("+0.25", f));
    EXPECT_EQ(f, 0.25f);
    EXPECT_TRUE(readFloat("3,75", f));
    EXPECT_EQ(f, 3.0f);
    EXPECT_FALSE(readFloat("x1", f));
    EXPECT_EQ(f, 0.0f);
    EXPECT_FALSE(readFloat("+-1", f));
    EXPECT_FALSE(readFloat("1e999", f));
    EXPECT_EQ(f, 0.0f);
    if (commaLocale) std::setlocale(LC_ALL, "C");

    std::int32_t n = -1;
    EXPECT_TRUE(readInt(" 42abc", n));
    EXPECT_EQ(n, 42);
    EXPECT_TRUE(readInt("-7\r", n));
    EXPECT_EQ(n, -7);
    EXPECT_FALSE(readInt("2147483648", n));
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(readInt("", n));
}

TEST(ObjTextTest, IndicesNeverLeaveTheList) {
    std::size_t i = 99;
    EXPECT_TRUE(resolveIndex(4, "1", i));
    EXPECT_EQ(i, 0u);
    EXPECT_TRUE(resolveIndex(4, "4", i));
    EXPECT_EQ(i, 3u);
    EXPECT_TRUE(resolveIndex(4, "-1", i));
    EXPECT_EQ(i, 3u);
    EXPECT_TRUE(resolveIndex(4, "-4", i));
    EXPECT_EQ(i, 0u);
    EXPECT_TRUE(resolveIndex(4, " 2\r", i));
    EXPECT_EQ(i, 1u);
    for (const char* bad : {"0", "5", "-5", "", "x", "-2147483648", "99999999999"}) {
        EXPECT_FALSE(resolveIndex(4, bad, i)) << bad;
    }
    EXPECT_FALSE(resolveIndex(0, "1", i));
    EXPECT_FALSE(resolveIndex(0, "-1", i));
}

}  // namespace
}  // namespace ondalith
