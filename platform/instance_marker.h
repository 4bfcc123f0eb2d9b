#pragma once
// A named marker that exists exactly as long as the process that created it lives.

namespace ondalith::platform {

enum class MarkerResult { Created, AlreadyExists, Failed };

// Creates the marker and keeps it for the rest of the process. AlreadyExists means
// another live process holds it; this process then holds nothing.
MarkerResult createInstanceMarker(const char* name);

}  // namespace ondalith::platform
