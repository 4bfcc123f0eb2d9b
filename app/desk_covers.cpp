#include "app/desk_covers.h"

#include <GLFW/glfw3.h>

namespace ondalith {

namespace {
constexpr double kCheckInterval = 1.0;  // seconds between two readings of the monitors
}  // namespace

DeskCovers::DeskCovers(GLFWwindow* window) : window_(window) {
    update();
    nextCheck_ = glfwGetTime() + kCheckInterval;
}

bool DeskCovers::tend() {
    const bool input = platform::coverInputSeen();
    const double now = glfwGetTime();
    const bool held = glfwGetWindowMonitor(window_) != nullptr;
    const bool letGo = heldBefore_ && !held;
    heldBefore_ = held;
    if (now >= nextCheck_ || letGo) {
        nextCheck_ = now + kCheckInterval;
        update();
    }
    return input;
}

// The picture is where the window is, once it was put on the list's primary monitor.
// While monitors change (a reconfiguration is several steps) a reading may find none,
// or a primary that is about to move; the next reading puts the picture right again.
// A window manager may keep a full-screen window on a monitor of its own choosing: it
// is asked once for each place, not every second.
void DeskCovers::update() {
    const std::vector<ScreenRect> monitors = platform::monitorRects();
    const std::optional<ScreenRect> target = pictureMonitor(monitors);
    if (!target) {
        ++emptyReadings_;
        return;
    }
    emptyReadings_ = 0;
    const bool misplaced = !(pictureRect() == *target);
    const bool asked = placeAsked_ && *placeAsked_ == *target;
    if (!glfwGetWindowMonitor(window_) || (misplaced && !asked)) {
        moveTo(*target);
        placeAsked_ = *target;
    }

    const CoverChanges changes = coverChanges(places_, rectsToCover(monitors, pictureRect()));
    for (auto i = changes.close.rbegin(); i != changes.close.rend(); ++i) {
        platform::closeCover(covers_[*i]);
        covers_.erase(covers_.begin() + static_cast<std::ptrdiff_t>(*i));
        places_.erase(places_.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    for (const ScreenRect& place : changes.open) {
        if (platform::CoverWindow* cover = platform::openCover(place)) {
            covers_.push_back(cover);
            places_.push_back(place);
        }
    }
}

// A window whose monitor went away is an ordinary window again: decorated, not on top,
// somewhere the library chose. It goes back to full screen on the library's primary
// monitor, then onto the list's, should the two differ.
void DeskCovers::moveTo(const ScreenRect& monitor) {
    if (!glfwGetWindowMonitor(window_)) {
        if (GLFWmonitor* primary = glfwGetPrimaryMonitor()) {
            if (const GLFWvidmode* mode = glfwGetVideoMode(primary)) {
                glfwSetWindowMonitor(window_, primary, 0, 0, mode->width, mode->height, mode->refreshRate);
            }
        }
    }
    if (!(pictureRect() == monitor)) platform::placeFullScreenWindow(window_, monitor);
}

ScreenRect DeskCovers::pictureRect() const {
    ScreenRect picture{0, 0, 0, 0};
    glfwGetWindowPos(window_, &picture.x, &picture.y);
    glfwGetWindowSize(window_, &picture.width, &picture.height);
    return picture;
}

void coverWholeDesk() {
    static bool covered = false;
    if (covered) return;
    covered = true;
    for (const ScreenRect& monitor : platform::monitorRects()) platform::openCover(monitor);
}

}  // namespace ondalith
