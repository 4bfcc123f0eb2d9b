#pragma once
// What the About window shows and where, shared by both systems' windows so that
// they look alike. Positions are in client coordinates, in pixels at 96 dots per inch;
// about_scale.h scales them to the screen's resolution.
#include <string>
#include <vector>

namespace ondalith::about {

inline constexpr const char* kCaption = "About";
inline constexpr const char* kWindowClassName = "KestrovaWindowClass";
inline constexpr const char* kButtonLabel = "Visit website";
inline constexpr const char* kProductTitle = "Ondalith Screensaver";
// Three lines, CR LF between them as a Windows static control wants them.
extern const char* const kCreditsText;
// What the link button opens.
extern const char* const kWebsiteLink;

inline constexpr int kWindowWidth = 400;  // outer size
inline constexpr int kWindowHeight = 300;

struct Rgb {
    unsigned char r, g, b;
};
inline constexpr Rgb kBackground{177, 232, 179};  // client area and both labels
inline constexpr Rgb kTitleColour{0, 0, 0};
inline constexpr Rgb kCreditsColour{0, 51, 255};

struct Box {
    int x, y, width, height;
};
inline constexpr Box kTitleBox{92, 20, 280, 20};
inline constexpr Box kLogoBox{142, 55, 110, 83};  // the logo's own size
inline constexpr Box kCreditsBox{20, 150, 380, 80};
inline constexpr Box kButtonBox{150, 210, 100, 32};

// The credits label and the button share an id; only the button sends commands.
inline constexpr int kCreditsId = 10;
inline constexpr int kTitleId = 30;
inline constexpr int kButtonId = 10;

// Cell height and average character width in pixels, as a Windows font asks for them.
struct FontSpec {
    int height, width, weight;
    bool underlined;
};
inline constexpr FontSpec kBodyFont{16, 6, 400, false};  // credits and button
inline constexpr FontSpec kTitleFont{18, 8, 700, true};

// Where a window of `windowSize` starts so that it sits in the middle of `screenSize`:
// half the difference, truncated toward zero (a window larger than the screen
// starts left of or above it).
int centredOrigin(int screenSize, int windowSize);

// The credits text split at its line breaks (CR LF or a bare LF), without them.
std::vector<std::string> creditsLines();

}  // namespace ondalith::about
