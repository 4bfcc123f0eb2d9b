#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "render/text_resource.h"
#include "test_resource_ids.h"

namespace ondalith {
namespace {

// Copies `text` into a buffer of exactly capacity + 4 bytes (so that the sanitizers see
// any write past it) pre-filled with 'X', and returns what lies before the zeros.
std::string copied(const std::string& text, std::size_t capacity, std::size_t* count = nullptr) {
    const std::vector<std::uint8_t> source(text.begin(), text.end());  // exactly its size, no terminator
    std::vector<char> buffer(capacity + 4, 'X');
    const std::size_t n = copyMarkedText(source.data(), source.size(), buffer.data(), capacity);
    if (count) *count = n;
    EXPECT_LE(n, capacity);
    for (std::size_t i = n; i < n + 4; ++i) EXPECT_EQ(buffer[i], '\0') << "zero byte " << i - n;
    return std::string(buffer.data(), n);
}

TEST(TextResourceTest, TextEndsAtTheFirstMarker) {
    EXPECT_EQ(copied("void main() {}\r\n//~", 64), "void main() {}\r\n//");
    EXPECT_EQ(copied("abc~def~ghi", 64), "abc");
    EXPECT_EQ(copied("~everything after", 64), "");
}

TEST(TextResourceTest, StaysInsideTheResourceAndTheBuffer) {
    // No marker: the whole resource, not a byte beyond it.
    EXPECT_EQ(copied("no marker here", 64), "no marker here");
    EXPECT_EQ(copied("", 64), "");
    // Longer than the capacity: cut there, zeros in the four spare bytes.
    std::size_t n = 0;
    EXPECT_EQ(copied(std::string(100, 'a') + "~", 16, &n), std::string(16, 'a'));
    EXPECT_EQ(n, 16u);
    EXPECT_EQ(copied(std::string(16, 'b') + "~", 16), std::string(16, 'b'));
}

TEST(TextResourceTest, ReadsEmbeddedResources) {
    std::vector<char> buffer(16388, 'X');
    const std::size_t n = loadTextResource(IDT_TEST_FRAGMENT, buffer.data(), 16384);
    const std::string text(buffer.data(), n);
    EXPECT_EQ(text.rfind("#version 130\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 5), "}\r\n//");  // the "~" was the resource's last byte
    EXPECT_EQ(loadTextResource(1099, buffer.data(), 16384), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

}  // namespace
}  // namespace ondalith
