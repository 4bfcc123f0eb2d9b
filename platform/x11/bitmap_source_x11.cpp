// Linux embeds each picture's whole .bmp file.
#include <cstdio>

#include "platform/bitmap_source.h"

namespace ondalith::platform {

bool bitmapResourceHasFileHeader() { return true; }

void reportBitmapFailure(const char* line) { std::fputs(line, stderr); }

}  // namespace ondalith::platform
