#include "app/window_icon.h"

#include <cstring>

namespace ondalith {

void windowIconRows(unsigned char* rows) {
    for (int x = 0; x < kWindowIconSize; ++x) {
        for (int y = 0; y < kWindowIconSize; ++y) {
            std::memcpy(rows + (y * kWindowIconSize + x) * 4, kWindowIconColumns + (x * kWindowIconSize + y) * 4, 4);
        }
    }
}

}  // namespace ondalith
