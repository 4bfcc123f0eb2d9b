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
    if (now >= nextCheck_) {
        nextCheck_ = now + kCheckInterval;
        update();
    }
    return input;
}

// The picture is where the window is: the windowing library put it on its primary
// monitor, whatever the system now calls primary.
void DeskCovers::update() {
    ScreenRect picture{0, 0, 0, 0};
    glfwGetWindowPos(window_, &picture.x, &picture.y);
    glfwGetWindowSize(window_, &picture.width, &picture.height);

    const CoverChanges changes = coverChanges(places_, rectsToCover(platform::monitorRects(), picture));
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

void coverWholeDesk() {
    static bool covered = false;
    if (covered) return;
    covered = true;
    for (const ScreenRect& monitor : platform::monitorRects()) platform::openCover(monitor);
}

}  // namespace ondalith
