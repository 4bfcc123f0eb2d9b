#include "app/desk_covers.h"

#include <GLFW/glfw3.h>

#include "platform/display_power.h"

namespace ondalith {

namespace {
constexpr double kCheckInterval = 1.0;  // seconds between two readings of the monitors
}  // namespace

DeskCovers::DeskCovers(GLFWwindow* window) : window(window) {
    update();
    nextCheck = glfwGetTime() + kCheckInterval;
}

bool DeskCovers::tend() {
    const bool input = platform::coverInputSeen();
    const double now = glfwGetTime();
    const bool held = glfwGetWindowMonitor(window) != nullptr;
    const bool letGo = heldBefore && !held;
    heldBefore = held;
    if (now >= nextCheck || letGo) {
        nextCheck = now + kCheckInterval;
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
        ++emptyReadings;
        return;
    }
    emptyReadings = 0;
    const bool misplaced = !(pictureRect() == *target);
    const bool asked = placeAsked && *placeAsked == *target;
    if (!glfwGetWindowMonitor(window) || (misplaced && !asked)) {
        moveTo(*target);
        placeAsked = *target;
    }

    const CoverChanges changes = coverChanges(places, rectsToCover(monitors, pictureRect()));
    for (auto i = changes.close.rbegin(); i != changes.close.rend(); ++i) {
        platform::closeCover(covers[*i]);
        covers.erase(covers.begin() + static_cast<std::ptrdiff_t>(*i));
        places.erase(places.begin() + static_cast<std::ptrdiff_t>(*i));
    }
    for (const ScreenRect& place : changes.open) {
        if (platform::CoverWindow* cover = platform::openCover(place)) {
            covers.push_back(cover);
            places.push_back(place);
        }
    }
}

// A window whose monitor went away is an ordinary window again: decorated, not on top,
// somewhere the library chose. It goes back to full screen on the library's primary
// monitor, then onto the list's, should the two differ.
void DeskCovers::moveTo(const ScreenRect& monitor) {
    if (!glfwGetWindowMonitor(window)) {
        if (GLFWmonitor* primary = glfwGetPrimaryMonitor()) {
            if (const GLFWvidmode* mode = glfwGetVideoMode(primary)) {
                glfwSetWindowMonitor(window, primary, 0, 0, mode->width, mode->height, mode->refreshRate);
                // Taking the monitor, the library asked the system to keep the display on.
                platform::letDisplaySleep(window);
            }
        }
    }
    if (!(pictureRect() == monitor)) platform::placeFullScreenWindow(window, monitor);
}

ScreenRect DeskCovers::pictureRect() const {
    ScreenRect picture{0, 0, 0, 0};
    glfwGetWindowPos(window, &picture.x, &picture.y);
    glfwGetWindowSize(window, &picture.width, &picture.height);
    return picture;
}

void coverWholeDesk() {
    static bool covered = false;
    if (covered) return;
    covered = true;
    for (const ScreenRect& monitor : platform::monitorRects()) platform::openCover(monitor);
}

}  // namespace ondalith
