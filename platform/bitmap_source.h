#pragma once
// What each system adds to the reading of a BITMAP resource: how the resource holds
// the picture, and where a failure is reported. The reading itself is shared.

namespace ondalith::platform {

// True where a BITMAP resource is the picture's whole .bmp file (Linux embeds the file);
// false where it lacks the 14-byte file header (a Windows resource).
bool bitmapResourceHasFileHeader();

// One line, ending in a newline, on the platform's error channel.
void reportBitmapFailure(const char* line);

}  // namespace ondalith::platform
