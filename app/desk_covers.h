#pragma once
// Keeps the full-screen window exactly on the primary monitor and a black cover on the
// rest of the desk for as long as the window lives, following monitors as they come,
// go and move. The picture's place and the covers come from one list of monitors.
#include <optional>
#include <vector>

#include "app/cover_plan.h"

struct GLFWwindow;

namespace ondalith {

class DeskCovers {
public:
    // Puts the window on the primary monitor and covers the rest of the desk now.
    explicit DeskCovers(GLFWwindow* window);

    // Once per frame, after event polling. True when a key or mouse button came to a
    // cover. Once a second it reads the monitors again: not every system tells a running
    // program about monitors plugged in or out. At once when the windowing library let
    // go of the window's monitor (it went away): the picture moves, full screen, to the
    // primary monitor as it now is.
    bool tend();

    // No monitor was left at two readings in a row; the saver has nothing to fill.
    bool noMonitorLeft() const { return emptyReadings >= 2; }

private:
    void update();
    void moveTo(const ScreenRect& monitor);
    ScreenRect pictureRect() const;

    GLFWwindow* window;
    std::vector<ScreenRect> places;
    std::vector<platform::CoverWindow*> covers;  // covers[i] lies over places[i]
    double nextCheck = 0.0;
    int emptyReadings = 0;
    bool heldBefore = true;  // whether the window had its monitor at the last look
    std::optional<ScreenRect> placeAsked;  // where the window was last put
};

// Black covers over every monitor, the picture's too, left open until the process ends:
// what a full-screen run puts over the desk before a box that waits for the user. Opens
// them once, however often it is called.
void coverWholeDesk();

}  // namespace ondalith
