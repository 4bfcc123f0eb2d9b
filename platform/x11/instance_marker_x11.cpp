// The marker is an flock on a file in a directory that only this user can enter: the
// session's runtime directory, or else /tmp/ondalith-<uid>, which we make with mode
// 0700. The kernel drops the lock when the open file's last descriptor closes, so the
// marker lives exactly as long as the process, also one that is killed. Its scope is
// one user (the directory) on one X display (the file's name).
//
// Another user cannot hold it: the file is out of reach, and a directory put in our
// place (a link, or one that is not ours or is open to others) is refused. Then the
// saver runs without a marker: losing the single-instance rule is better than letting
// someone else keep our saver from starting.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/instance_marker.h"
#include "platform/x11/display_name_x11.h"

namespace ondalith::platform {

namespace {

// A real directory (not a link) of ours that nobody else may enter or write to, opened.
// -1 for anything else.
int openPrivateDirectory(const std::string& path) {
    struct stat seen;
    if (lstat(path.c_str(), &seen) != 0 || !S_ISDIR(seen.st_mode)) return -1;
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    // What counts is what was opened: the name may have been swapped since lstat.
    struct stat opened;
    if (fstat(fd, &opened) != 0 || opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino ||
        opened.st_uid != geteuid() || (opened.st_mode & 077) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int openMarkerDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        const int fd = openPrivateDirectory(runtime);
        if (fd >= 0) return fd;
    }
    const std::string own = "/tmp/ondalith-" + std::to_string(geteuid());
    mkdir(own.c_str(), 0700);  // may exist already; the checks decide
    return openPrivateDirectory(own);
}

// The display as the file name's last part, in one spelling (":0" and ":0.0" are the
// same display); a slash would make it a path.
std::string markerFileName(const char* name) {
    std::string display = x11::normalDisplayName(std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
    for (char& c : display) {
        if (c == '/') c = '_';
    }
    return std::string("ondalith.") + name + "." + display + ".lock";
}

}  // namespace

MarkerResult createInstanceMarker(const char* name) {
    const int directory = openMarkerDirectory();
    if (directory < 0) return MarkerResult::Failed;
    const int fd = openat(directory, markerFileName(name).c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    close(directory);
    if (fd < 0) return MarkerResult::Failed;

    struct stat file;
    if (fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != geteuid()) {
        close(fd);
        return MarkerResult::Failed;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return MarkerResult::Created;  // fd stays open on purpose until the process ends
    }
    const int error = errno;
    close(fd);
    return error == EWOULDBLOCK ? MarkerResult::AlreadyExists : MarkerResult::Failed;
}

}  // namespace ondalith::platform
