// The marker is a listening socket in Linux's abstract namespace: the kernel removes
// the name when the socket's last descriptor closes, so it lives exactly as long as
// the process, even one that is killed. Its scope is one user on one X display.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/instance_marker.h"

namespace ondalith::platform {

MarkerResult createInstanceMarker(const char* name) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return MarkerResult::Failed;

    const char* display = std::getenv("DISPLAY");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // sun_path[0] stays 0: that selects the abstract namespace.
    const int length = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "%s.%u.%s",
                                     name, static_cast<unsigned>(getuid()), display ? display : "");
    const socklen_t size = static_cast<socklen_t>(
        offsetof(sockaddr_un, sun_path) + 1 +
        std::min<std::size_t>(static_cast<std::size_t>(length), sizeof address.sun_path - 2));

    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0) {
        return MarkerResult::Created;  // fd is kept open on purpose until the process ends
    }
    const int error = errno;
    close(fd);
    return error == EADDRINUSE ? MarkerResult::AlreadyExists : MarkerResult::Failed;
}

}  // namespace ondalith::platform
