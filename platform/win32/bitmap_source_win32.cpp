// A BITMAP resource is the picture's file without its 14-byte file header. Its pixels
// are read from the resource itself, never through a bitmap of the display's format:
// on a 16- or 8-bit desktop that would round every channel, the height atlas's too.
#include <windows.h>

#include <cstdio>

#include "platform/bitmap_source.h"

namespace ondalith::platform {

bool bitmapResourceHasFileHeader() { return false; }

void reportBitmapFailure(const char* line) {
    // A GUI process may have no stderr; the debugger channel is always there.
    std::fputs(line, stderr);
    OutputDebugStringA(line);
}

}  // namespace ondalith::platform
