#pragma once
// Keeps a black cover on every monitor but the picture's for as long as the full-screen
// window lives, following monitors as they come, go and move.
#include <vector>

#include "app/cover_plan.h"

struct GLFWwindow;

namespace ondalith {

class DeskCovers {
public:
    // Covers the monitors beside the window's now.
    explicit DeskCovers(GLFWwindow* window);

    // Once per frame, after event polling. True when a key or mouse button came to a
    // cover. Once a second it reads the monitors again: not every system tells a running
    // program about monitors plugged in or out.
    bool tend();

private:
    void update();

    GLFWwindow* window_;
    std::vector<ScreenRect> places_;
    std::vector<platform::CoverWindow*> covers_;  // covers_[i] lies over places_[i]
    double nextCheck_ = 0.0;
};

// Black covers over every monitor, the picture's too, left open until the process ends:
// what a full-screen run puts over the desk before a box that waits for the user. Opens
// them once, however often it is called.
void coverWholeDesk();

}  // namespace ondalith
