#pragma once
// The window icon: 64 x 64 RGBA, kept column by column as the saver has always held it.
#include <cstddef>

namespace ondalith {

constexpr int kWindowIconSize = 64;
constexpr std::size_t kWindowIconBytes = kWindowIconSize * kWindowIconSize * 4;

extern const unsigned char kWindowIconColumns[kWindowIconBytes];

// Transposes the column table into the row order (top row first) GLFW takes.
void windowIconRows(unsigned char* rows);

}  // namespace ondalith
