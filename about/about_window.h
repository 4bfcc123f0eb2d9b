#pragma once
// The About window that Configure mode shows instead of a settings dialog.

namespace ondalith {

class AboutWindow {
public:
    // Builds and shows the window and runs its message loop; returns once it closes,
    // or at once when the window cannot be created.
    AboutWindow(void* instance, int showCommand);

    const char* caption;
    const char* windowClassName;
    const char* buttonLabel;
    const char* creditsText;
    const char* productTitle;

private:
    void fillTexts();
};

}  // namespace ondalith
