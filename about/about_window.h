#pragma once
// The About window that Configure mode shows instead of a settings dialog.

namespace ondalith {

class AboutWindow {
public:
    // Builds and shows the window and runs its message loop; returns once it closes.
    AboutWindow(void* instance, int showCommand);
};

}  // namespace ondalith
