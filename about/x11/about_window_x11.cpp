// The About window drawn with Xlib and Xft. There is no toolkit: the two labels, the
// logo and the button are painted into one back buffer, and the button's behaviour
// (press inside, release inside) is tracked here.
//
// The X window is the 400 x 300 outer rectangle that the Windows build centres, scaled
// with everything in it by the resolution the desktop gives its fonts (Xft.dpi; 96 where
// it names none), and centred on the primary monitor. A window manager draws its frame
// around the window and its height is unknown here; the centre gravity asks it to keep
// the framed window centred. Without a window manager the window is exactly that
// rectangle, and the layout keeps its full room.
#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "about/about_scale.h"
#include "about/about_texts.h"
#include "about/about_window.h"
#include "platform/bitmap.h"
#include "platform/message_box.h"
#include "platform/monitor_covers.h"
#include "platform/stop_signal.h"
#include "platform/x11/stop_wait_x11.h"
#include "platform/x11/connection_x11.h"
#include "platform/x11/window_class_x11.h"
#include "resource_ids.h"

namespace ondalith {

namespace {

using about::Box;
using about::Rgb;

// Fonts near the Windows build's Arial cells (16 and 18 pixels high at 96 dots per
// inch, narrow): a metric twin of Arial where installed, else the condensed sans, else
// any sans; the pixel sizes are scaled with the layout.
constexpr const char* kFontFamilies = "Liberation Sans,DejaVu Sans Condensed,sans-serif";
constexpr double kBodyPixels = 13;
constexpr double kTitlePixels = 15;

// The desktop's font resolution from the server's resource database, as every Xft
// client reads it.
int desktopDpi(Display* display) {
    const char* resources = XResourceManagerString(display);
    if (!resources) return about::kBaseDpi;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value{};
    std::string text;
    if (database && XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr)
        text.assign(value.addr, value.size ? value.size - 1 : 0);
    if (database) XrmDestroyDatabase(database);
    return about::dpiFromResource(text.empty() ? nullptr : text.c_str());
}

// Face and border of the button at rest, under the pointer and held down, as a
// current Windows push button paints them.
constexpr Rgb kButtonFace[3] = {{225, 225, 225}, {229, 241, 251}, {204, 228, 247}};
constexpr Rgb kButtonBorder[3] = {{173, 173, 173}, {0, 120, 215}, {0, 84, 153}};

bool inside(const Box& b, int x, int y) { return x >= b.x && y >= b.y && x < b.x + b.width && y < b.y + b.height; }

// Starts the desktop's opener on the link without waiting for it. The middle process
// ends at once and is reaped here, so the opener is nobody's child and leaves no zombie.
void openLink(const char* link) {
    const pid_t middle = fork();
    if (middle < 0) return;  // not reported, like a shell that cannot open the site
    if (middle == 0) {
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", link, static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    while (waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
}

class AboutX11 {
public:
    explicit AboutX11(Display* display) : display(display) {}
    bool create(const char* caption);
    void run(const std::string& productTitle, const char* buttonLabel);

private:
    unsigned long pixel(Rgb c);
    XftColor xftColour(Rgb c);
    void loadLogo();
    void draw(const std::string& productTitle, const char* buttonLabel);
    void drawText(XftFont* font, const XftColor& colour, int x, int top, const std::string& text);
    int textWidth(XftFont* font, const std::string& text);

    Display* display;
    int dpi = about::kBaseDpi;
    // The layout at this window's scale.
    int width = 0, height = 0;
    Box titleBox{}, logoBox{}, creditsBox{}, buttonBox{};
    int screen = 0;
    Visual* visual = nullptr;
    Colormap colormap = 0;
    Window window = 0;
    Pixmap back = 0;
    GC gc = nullptr;
    XftDraw* xftDraw = nullptr;
    XftFont* bodyFont = nullptr;
    XftFont* titleFont = nullptr;
    XImage* logoImage = nullptr;
    Atom deleteWindow = 0;
    unsigned long background = 0;
    unsigned long face[3] = {};
    unsigned long border[3] = {};
    XftColor black{};
    XftColor blue{};
    bool buttonHot = false;      // pointer over the button
    bool pressed = false;  // first button went down on the button and is still down
};

unsigned long AboutX11::pixel(Rgb c) {
    XColor colour{};
    colour.red = static_cast<unsigned short>(c.r * 257);
    colour.green = static_cast<unsigned short>(c.g * 257);
    colour.blue = static_cast<unsigned short>(c.b * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    return XAllocColor(display, colormap, &colour) ? colour.pixel : BlackPixel(display, screen);
}

XftColor AboutX11::xftColour(Rgb c) {
    XRenderColor value{static_cast<unsigned short>(c.r * 257), static_cast<unsigned short>(c.g * 257),
                       static_cast<unsigned short>(c.b * 257), 0xffff};
    XftColor colour{};
    XftColorAllocValue(display, visual, colormap, &value, &colour);
    return colour;
}

bool AboutX11::create(const char* caption) {
    screen = DefaultScreen(display);
    visual = DefaultVisual(display, screen);
    colormap = DefaultColormap(display, screen);
    const int depth = DefaultDepth(display, screen);
    dpi = desktopDpi(display);
    width = about::scaledLength(about::kWindowWidth, dpi);
    height = about::scaledLength(about::kWindowHeight, dpi);
    titleBox = about::scaledBox(about::kTitleBox, dpi);
    logoBox = about::scaledBox(about::kLogoBox, dpi);
    creditsBox = about::scaledBox(about::kCreditsBox, dpi);
    buttonBox = about::scaledBox(about::kButtonBox, dpi);
    // The primary monitor comes first; the whole screen where the server names no monitor.
    std::vector<platform::ScreenRect> monitors = platform::monitorRects();
    const platform::ScreenRect monitor = monitors.empty()
        ? platform::ScreenRect{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)}
        : monitors.front();
    const int x = monitor.x + about::centredOrigin(monitor.width, width);
    const int y = monitor.y + about::centredOrigin(monitor.height, height);
    background = pixel(about::kBackground);
    for (int state = 0; state < 3; ++state) {
        face[state] = pixel(kButtonFace[state]);
        border[state] = pixel(kButtonBorder[state]);
    }
    black = xftColour(about::kTitleColour);
    blue = xftColour(about::kCreditsColour);

    XSetWindowAttributes attributes{};
    attributes.background_pixel = background;
    attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            LeaveWindowMask | StructureNotifyMask;
    window = XCreateWindow(display, RootWindow(display, screen), x, y, static_cast<unsigned>(width),
                           static_cast<unsigned>(height), 0, depth, InputOutput, visual, CWBackPixel | CWEventMask,
                            &attributes);
    if (!window) return false;

    XSizeHints* size = XAllocSizeHints();
    size->flags = USPosition | PPosition | PSize | PMinSize | PMaxSize | PWinGravity;
    size->x = x;
    size->y = y;
    size->width = size->min_width = size->max_width = width;
    size->height = size->min_height = size->max_height = height;
    size->win_gravity = CenterGravity;
    XWMHints* wm = XAllocWMHints();
    wm->flags = InputHint | StateHint;
    wm->input = True;
    wm->initial_state = NormalState;
    XTextProperty name;
    char* nameList[] = {const_cast<char*>(caption)};
    XStringListToTextProperty(nameList, 1, &name);
    XSetWMProperties(display, window, &name, &name, nullptr, 0, size, wm, nullptr);
    XFree(name.value);
    platform::x11::setWindowClass(display, window);
    XFree(wm);
    XFree(size);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(caption), static_cast<int>(std::strlen(caption)));

    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);

    // A title bar with a close box only: moving and closing, no minimise, maximise or sizing.
    const long motif[5] = {1 | 2, 4 | 32, 2 | 8 | 16, 0, 0};
    const Atom motifAtom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, window, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);

    deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);

    back = XCreatePixmap(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height), depth);
    gc = XCreateGC(display, back, 0, nullptr);
    xftDraw = XftDrawCreate(display, back, visual, colormap);
    auto openFont = [&](double pixels, const char* style) {
        char name[160];
        std::snprintf(name, sizeof name, "%s:pixelsize=%g%s", kFontFamilies, pixels * dpi / about::kBaseDpi, style);
        return XftFontOpenName(display, screen, name);
    };
    bodyFont = openFont(kBodyPixels, "");
    titleFont = openFont(kTitlePixels, ":bold");
    loadLogo();
    return true;
}

// The logo as an image in the window's visual, scaled with the layout; without it the
// window shows none.
void AboutX11::loadLogo() {
    const Box& source = about::kLogoBox;
    const Box& box = logoBox;
    std::vector<std::uint8_t> bgrx;
    if (!platform::loadBitmapPixels(IDB_ABOUT_LOGO, source.width, source.height, bgrx)) return;
    if (visual->c_class != TrueColor) return;
    bgrx = about::scaledPixels(bgrx, source.width, source.height, box.width, box.height);

    auto* data = static_cast<char*>(std::malloc(static_cast<std::size_t>(box.width) * box.height * 4));
    logoImage = XCreateImage(display, visual, DefaultDepth(display, screen), ZPixmap, 0, data, box.width,
                         box.height, 32, 0);
    if (!logoImage) {
        std::free(data);
        return;
    }
    auto channel = [](std::uint8_t value, unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return (static_cast<unsigned long>(value) * mask / 255) << shift;
    };
    for (int row = 0; row < box.height; ++row) {
        // The pixels come bottom row first.
        const std::uint8_t* source = &bgrx[static_cast<std::size_t>(box.height - 1 - row) * box.width * 4];
        for (int column = 0; column < box.width; ++column, source += 4) {
            XPutPixel(logoImage, column, row,
                      channel(source[2], visual->red_mask) | channel(source[1], visual->green_mask) |
                          channel(source[0], visual->blue_mask));
        }
    }
}

int AboutX11::textWidth(XftFont* font, const std::string& text) {
    XGlyphInfo extents;
    XftTextExtentsUtf8(display, font, reinterpret_cast<const FcChar8*>(text.data()), static_cast<int>(text.size()),
                       &extents);
    return extents.xOff;
}

void AboutX11::drawText(XftFont* font, const XftColor& colour, int x, int top, const std::string& text) {
    XftDrawStringUtf8(xftDraw, &colour, font, x, top + font->ascent, reinterpret_cast<const FcChar8*>(text.data()),
                      static_cast<int>(text.size()));
}

void AboutX11::draw(const std::string& productTitle, const char* buttonLabel) {
    XSetForeground(display, gc, background);
    XFillRectangle(display, back, gc, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height));

    const Box& logo = logoBox;
    if (logoImage) XPutImage(display, back, gc, logoImage, 0, 0, logo.x, logo.y, logo.width, logo.height);

    // Labels are clipped to their boxes as the Windows controls are.
    auto clipTo = [&](const Box& b) {
        XRectangle r{static_cast<short>(b.x), static_cast<short>(b.y), static_cast<unsigned short>(b.width),
                     static_cast<unsigned short>(b.height)};
        XftDrawSetClipRectangles(xftDraw, 0, 0, &r, 1);
    };
    if (titleFont) {
        const Box& b = titleBox;
        clipTo(b);
        drawText(titleFont, black, b.x, b.y, productTitle);
        // Underlined like the Windows title font, one pixel under the baseline (at 96 dpi).
        const int baseline = b.y + titleFont->ascent;
        XftDrawRect(xftDraw, &black, b.x, baseline + about::scaledLength(2, dpi),
                    static_cast<unsigned>(textWidth(titleFont, productTitle)),
                    static_cast<unsigned>(about::scaledLength(1, dpi)));
    }
    if (bodyFont) {
        const Box& b = creditsBox;
        clipTo(b);
        int top = b.y;
        for (const std::string& line : about::creditsLines()) {
            drawText(bodyFont, blue, b.x, top, line);
            // the Windows cell height keeps the lines where they are there
            top += about::scaledLength(about::kBodyFont.height, dpi);
        }
    }
    XftDrawSetClip(xftDraw, nullptr);

    // The button over everything else: border (one pixel at 96 dpi), face, centred label.
    const Box& b = buttonBox;
    const int state = pressed && buttonHot ? 2 : buttonHot ? 1 : 0;
    const int line = about::scaledLength(1, dpi);
    XSetForeground(display, gc, border[state]);
    XFillRectangle(display, back, gc, b.x, b.y, static_cast<unsigned>(b.width), static_cast<unsigned>(b.height));
    XSetForeground(display, gc, face[state]);
    XFillRectangle(display, back, gc, b.x + line, b.y + line, static_cast<unsigned>(b.width - 2 * line),
                   static_cast<unsigned>(b.height - 2 * line));
    if (bodyFont) {
        const std::string label = buttonLabel;
        const int x = b.x + (b.width - textWidth(bodyFont, label)) / 2;
        const int top = b.y + (b.height - (bodyFont->ascent + bodyFont->descent)) / 2;
        drawText(bodyFont, black, x, top, label);
    }

    XCopyArea(display, back, window, gc, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0);
}

void AboutX11::run(const std::string& productTitle, const char* buttonLabel) {
    XMapWindow(display, window);
    XFlush(display);
    while (!platform::stopRequested()) {
        // Events Xlib has already read never wake a wait on the connection: look first.
        if (XPending(display) == 0) {
            platform::x11::waitForInputOrStop(ConnectionNumber(display));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) draw(productTitle, buttonLabel);
            break;
        case MotionNotify:
        case LeaveNotify: {
            const bool hot = event.type == MotionNotify &&
                             inside(buttonBox, event.xmotion.x, event.xmotion.y);
            if (hot != buttonHot) {
                buttonHot = hot;
                draw(productTitle, buttonLabel);
            }
            break;
        }
        case ButtonPress:
            if (event.xbutton.button == Button1 && inside(buttonBox, event.xbutton.x, event.xbutton.y)) {
                pressed = buttonHot = true;
                draw(productTitle, buttonLabel);
            }
            break;
        case ButtonRelease:
            if (event.xbutton.button == Button1 && pressed) {
                pressed = false;
                buttonHot = inside(buttonBox, event.xbutton.x, event.xbutton.y);
                draw(productTitle, buttonLabel);
                XFlush(display);
                if (buttonHot) openLink(about::kWebsiteLink);
            }
            break;
        case ClientMessage:
            if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
                XDestroyWindow(display, window);
                XSync(display, False);
                return;
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == window) return;  // destroyed by another client
            break;
        default:
            break;
        }
    }
    // SIGTERM or SIGINT: closed as the close box closes it, so the process ends with 0.
    XDestroyWindow(display, window);
    XSync(display, False);
}

}  // namespace

AboutWindow::AboutWindow(void*, int) {
    fillTexts();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        platform::showMessageBox("Window Creation Failed!", "Error!", platform::MessageIcon::Warning);
        return;
    }
    // A window destroyed by another client may still get a drawing request or two.
    platform::x11::installQuietErrorHandler();
    // The opener must not inherit the connection to the X server.
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

    // Never destroyed, like the Windows build's window objects: the process ends right after.
    auto* window = new AboutX11(display);
    // The X class is the program's own (platform/window_class.h), not the Windows one.
    if (!window->create(caption)) {
        platform::showMessageBox("Window Creation Failed!", "Error!", platform::MessageIcon::Warning);
        return;
    }
    window->run(productTitle, buttonLabel);
}

}  // namespace ondalith
