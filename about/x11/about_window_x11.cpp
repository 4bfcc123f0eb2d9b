// The About window drawn with Xlib and Xft. There is no toolkit: the two labels, the
// logo and the button are painted into one back buffer, and the button's behaviour
// (press inside, release inside) is tracked here.
//
// The X window is the 400 x 300 outer rectangle that the Windows build centres. A
// window manager draws its frame around the window and its height is unknown here; the
// centre gravity asks it to keep the framed window centred. Without a window manager
// the window is exactly that rectangle, and the layout keeps its full room.
#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "about/about_texts.h"
#include "about/about_window.h"
#include "platform/bitmap.h"
#include "platform/message_box.h"
#include "platform/stop_signal.h"
#include "platform/x11/stop_wait.h"
#include "platform/x11/x11_connection.h"
#include "resource_ids.h"

namespace ondalith {

namespace {

using about::Box;
using about::Rgb;

// Fonts near the Windows build's Arial cells (16 and 18 pixels high, narrow): a
// metric twin of Arial where installed, else the condensed sans, else any sans.
constexpr const char* kBodyFontName = "Liberation Sans,DejaVu Sans Condensed,sans-serif:pixelsize=13";
constexpr const char* kTitleFontName = "Liberation Sans,DejaVu Sans Condensed,sans-serif:pixelsize=15:bold";

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
    explicit AboutX11(Display* display) : display_(display) {}
    bool create(const char* caption, const char* className);
    void run(const std::string& productTitle, const char* buttonLabel);

private:
    unsigned long pixel(Rgb c);
    XftColor xftColour(Rgb c);
    void loadLogo();
    void draw(const std::string& productTitle, const char* buttonLabel);
    void drawText(XftFont* font, const XftColor& colour, int x, int top, const std::string& text);
    int textWidth(XftFont* font, const std::string& text);

    Display* display_;
    int screen_ = 0;
    Visual* visual_ = nullptr;
    Colormap colormap_ = 0;
    Window window_ = 0;
    Pixmap back_ = 0;
    GC gc_ = nullptr;
    XftDraw* draw_ = nullptr;
    XftFont* bodyFont_ = nullptr;
    XftFont* titleFont_ = nullptr;
    XImage* logo_ = nullptr;
    Atom deleteWindow_ = 0;
    unsigned long background_ = 0;
    unsigned long face_[3] = {};
    unsigned long border_[3] = {};
    XftColor black_{};
    XftColor blue_{};
    bool hot_ = false;      // pointer over the button
    bool pressed_ = false;  // first button went down on the button and is still down
};

unsigned long AboutX11::pixel(Rgb c) {
    XColor colour{};
    colour.red = static_cast<unsigned short>(c.r * 257);
    colour.green = static_cast<unsigned short>(c.g * 257);
    colour.blue = static_cast<unsigned short>(c.b * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    return XAllocColor(display_, colormap_, &colour) ? colour.pixel : BlackPixel(display_, screen_);
}

XftColor AboutX11::xftColour(Rgb c) {
    XRenderColor value{static_cast<unsigned short>(c.r * 257), static_cast<unsigned short>(c.g * 257),
                       static_cast<unsigned short>(c.b * 257), 0xffff};
    XftColor colour{};
    XftColorAllocValue(display_, visual_, colormap_, &value, &colour);
    return colour;
}

bool AboutX11::create(const char* caption, const char* className) {
    screen_ = DefaultScreen(display_);
    visual_ = DefaultVisual(display_, screen_);
    colormap_ = DefaultColormap(display_, screen_);
    const int depth = DefaultDepth(display_, screen_);
    const int x = about::centredOrigin(DisplayWidth(display_, screen_), about::kWindowWidth);
    const int y = about::centredOrigin(DisplayHeight(display_, screen_), about::kWindowHeight);
    background_ = pixel(about::kBackground);
    for (int state = 0; state < 3; ++state) {
        face_[state] = pixel(kButtonFace[state]);
        border_[state] = pixel(kButtonBorder[state]);
    }
    black_ = xftColour(about::kTitleColour);
    blue_ = xftColour(about::kCreditsColour);

    XSetWindowAttributes attributes{};
    attributes.background_pixel = background_;
    attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            LeaveWindowMask | StructureNotifyMask;
    window_ = XCreateWindow(display_, RootWindow(display_, screen_), x, y, about::kWindowWidth,
                            about::kWindowHeight, 0, depth, InputOutput, visual_, CWBackPixel | CWEventMask,
                            &attributes);
    if (!window_) return false;

    XSizeHints* size = XAllocSizeHints();
    size->flags = USPosition | PPosition | PSize | PMinSize | PMaxSize | PWinGravity;
    size->x = x;
    size->y = y;
    size->width = size->min_width = size->max_width = about::kWindowWidth;
    size->height = size->min_height = size->max_height = about::kWindowHeight;
    size->win_gravity = CenterGravity;
    XWMHints* wm = XAllocWMHints();
    wm->flags = InputHint | StateHint;
    wm->input = True;
    wm->initial_state = NormalState;
    XClassHint* classHint = XAllocClassHint();
    classHint->res_name = const_cast<char*>("ondalith");
    classHint->res_class = const_cast<char*>(className);
    XTextProperty name;
    char* nameList[] = {const_cast<char*>(caption)};
    XStringListToTextProperty(nameList, 1, &name);
    XSetWMProperties(display_, window_, &name, &name, nullptr, 0, size, wm, classHint);
    XFree(name.value);
    XFree(classHint);
    XFree(wm);
    XFree(size);
    XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(caption), static_cast<int>(std::strlen(caption)));

    const long pid = getpid();
    XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);

    // A title bar with a close box only: moving and closing, no minimise, maximise or sizing.
    const long motif[5] = {1 | 2, 4 | 32, 2 | 8 | 16, 0, 0};
    const Atom motifAtom = XInternAtom(display_, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display_, window_, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);

    deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, window_, &deleteWindow_, 1);

    back_ = XCreatePixmap(display_, window_, about::kWindowWidth, about::kWindowHeight, depth);
    gc_ = XCreateGC(display_, back_, 0, nullptr);
    draw_ = XftDrawCreate(display_, back_, visual_, colormap_);
    bodyFont_ = XftFontOpenName(display_, screen_, kBodyFontName);
    titleFont_ = XftFontOpenName(display_, screen_, kTitleFontName);
    loadLogo();
    return true;
}

// The logo as an image in the window's visual; without it the window shows none.
void AboutX11::loadLogo() {
    const Box& box = about::kLogoBox;
    std::vector<std::uint8_t> bgrx;
    if (!platform::loadBitmapPixels(IDB_ABOUT_LOGO, box.width, box.height, bgrx)) return;
    if (visual_->c_class != TrueColor) return;

    auto* data = static_cast<char*>(std::malloc(static_cast<std::size_t>(box.width) * box.height * 4));
    logo_ = XCreateImage(display_, visual_, DefaultDepth(display_, screen_), ZPixmap, 0, data, box.width,
                         box.height, 32, 0);
    if (!logo_) {
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
            XPutPixel(logo_, column, row,
                      channel(source[2], visual_->red_mask) | channel(source[1], visual_->green_mask) |
                          channel(source[0], visual_->blue_mask));
        }
    }
}

int AboutX11::textWidth(XftFont* font, const std::string& text) {
    XGlyphInfo extents;
    XftTextExtentsUtf8(display_, font, reinterpret_cast<const FcChar8*>(text.data()), static_cast<int>(text.size()),
                       &extents);
    return extents.xOff;
}

void AboutX11::drawText(XftFont* font, const XftColor& colour, int x, int top, const std::string& text) {
    XftDrawStringUtf8(draw_, &colour, font, x, top + font->ascent, reinterpret_cast<const FcChar8*>(text.data()),
                      static_cast<int>(text.size()));
}

void AboutX11::draw(const std::string& productTitle, const char* buttonLabel) {
    XSetForeground(display_, gc_, background_);
    XFillRectangle(display_, back_, gc_, 0, 0, about::kWindowWidth, about::kWindowHeight);

    const Box& logo = about::kLogoBox;
    if (logo_) XPutImage(display_, back_, gc_, logo_, 0, 0, logo.x, logo.y, logo.width, logo.height);

    // Labels are clipped to their boxes as the Windows controls are.
    auto clipTo = [&](const Box& b) {
        XRectangle r{static_cast<short>(b.x), static_cast<short>(b.y), static_cast<unsigned short>(b.width),
                     static_cast<unsigned short>(b.height)};
        XftDrawSetClipRectangles(draw_, 0, 0, &r, 1);
    };
    if (titleFont_) {
        const Box& b = about::kTitleBox;
        clipTo(b);
        drawText(titleFont_, black_, b.x, b.y, productTitle);
        // Underlined like the Windows title font, one pixel under the baseline.
        const int baseline = b.y + titleFont_->ascent;
        XftDrawRect(draw_, &black_, b.x, baseline + 2, static_cast<unsigned>(textWidth(titleFont_, productTitle)), 1);
    }
    if (bodyFont_) {
        const Box& b = about::kCreditsBox;
        clipTo(b);
        int top = b.y;
        for (const std::string& line : about::creditsLines()) {
            drawText(bodyFont_, blue_, b.x, top, line);
            top += about::kBodyFont.height;  // the Windows cell height keeps the lines where they are there
        }
    }
    XftDrawSetClip(draw_, nullptr);

    // The button over everything else: face, one-pixel border, centred label.
    const Box& b = about::kButtonBox;
    const int state = pressed_ && hot_ ? 2 : hot_ ? 1 : 0;
    XSetForeground(display_, gc_, face_[state]);
    XFillRectangle(display_, back_, gc_, b.x, b.y, b.width, b.height);
    XSetForeground(display_, gc_, border_[state]);
    XDrawRectangle(display_, back_, gc_, b.x, b.y, b.width - 1, b.height - 1);
    if (bodyFont_) {
        const std::string label = buttonLabel;
        const int x = b.x + (b.width - textWidth(bodyFont_, label)) / 2;
        const int top = b.y + (b.height - (bodyFont_->ascent + bodyFont_->descent)) / 2;
        drawText(bodyFont_, black_, x, top, label);
    }

    XCopyArea(display_, back_, window_, gc_, 0, 0, about::kWindowWidth, about::kWindowHeight, 0, 0);
}

void AboutX11::run(const std::string& productTitle, const char* buttonLabel) {
    XMapWindow(display_, window_);
    XFlush(display_);
    while (!platform::stopRequested()) {
        // Events Xlib has already read never wake a wait on the connection: look first.
        if (XPending(display_) == 0) {
            platform::x11::waitForInputOrStop(ConnectionNumber(display_));
            continue;
        }
        XEvent event;
        XNextEvent(display_, &event);
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) draw(productTitle, buttonLabel);
            break;
        case MotionNotify:
        case LeaveNotify: {
            const bool hot = event.type == MotionNotify &&
                             inside(about::kButtonBox, event.xmotion.x, event.xmotion.y);
            if (hot != hot_) {
                hot_ = hot;
                draw(productTitle, buttonLabel);
            }
            break;
        }
        case ButtonPress:
            if (event.xbutton.button == Button1 && inside(about::kButtonBox, event.xbutton.x, event.xbutton.y)) {
                pressed_ = hot_ = true;
                draw(productTitle, buttonLabel);
            }
            break;
        case ButtonRelease:
            if (event.xbutton.button == Button1 && pressed_) {
                pressed_ = false;
                hot_ = inside(about::kButtonBox, event.xbutton.x, event.xbutton.y);
                draw(productTitle, buttonLabel);
                XFlush(display_);
                if (hot_) openLink(about::kWebsiteLink);
            }
            break;
        case ClientMessage:
            if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_) {
                XDestroyWindow(display_, window_);
                XSync(display_, False);
                return;
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == window_) return;  // destroyed by another client
            break;
        default:
            break;
        }
    }
    // SIGTERM or SIGINT: closed as the close box closes it, so the process ends with 0.
    XDestroyWindow(display_, window_);
    XSync(display_, False);
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
    if (!window->create(caption, windowClassName)) {
        platform::showMessageBox("Window Creation Failed!", "Error!", platform::MessageIcon::Warning);
        return;
    }
    window->run(productTitle, buttonLabel);
}

}  // namespace ondalith
