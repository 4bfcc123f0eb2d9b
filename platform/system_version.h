#pragma once

namespace ondalith::platform {

// The system's version as major * 10 + minor (6.1 gives 61).
int systemVersion();

}  // namespace ondalith::platform
