// attachToNativeWindow for Win32, written against GLFW's internal records: a window
// record is built as glfwCreateWindow builds one, but its handle is the host's window.
#include "internal.h"

// The record below mirrors this release's internal.h field by field; another release
// may lay it out otherwise, so it must be checked before the version moves.
#if GLFW_VERSION_MAJOR != 3 || GLFW_VERSION_MINOR != 3 || GLFW_VERSION_REVISION != 8
#error "app/win32/attach_win32.c is written against GLFW 3.3.8's internal window record"
#endif

#include "app/attach.h"

// One saver process attaches once; the table keeps what detaching needs.
#define MAX_ATTACHED 4
typedef struct Attached {
    _GLFWwindow* window;
    HWND host;
    HWND child;           // our own window inside the host, when the host's cannot take GL
    WNDPROC oldProc;      // the host's procedure, when subclassing it succeeded
    WNDPROC libraryProc;  // the library's, which gets the host's other messages
} Attached;
static Attached attached[MAX_ATTACHED];

static Attached* findAttached(_GLFWwindow* window) {
    for (int i = 0; i < MAX_ATTACHED; ++i)
        if (attached[i].window == window) return &attached[i];
    return NULL;
}

static WNDPROC libraryWindowProc(void) {
    WNDCLASSEXW wc = {sizeof(wc)};
    if (!GetClassInfoExW(GetModuleHandleW(NULL), _GLFW_WNDCLASSNAME, &wc)) return NULL;
    return wc.lpfnWndProc;
}

// Keys and mouse messages stay the host's: its own procedure gets them, so that
// nothing the user does in the host's window reaches the saver.
static int isInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           message == WM_INPUT || message == WM_MOUSEHOVER || message == WM_MOUSELEAVE;
}

static LRESULT CALLBACK subclassedHostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    for (int i = 0; i < MAX_ATTACHED; ++i) {
        const Attached* a = &attached[i];
        if (a->window && a->host == hwnd && a->oldProc)
            return CallWindowProcW(isInput(message) ? a->oldProc : a->libraryProc, hwnd, message, wParam, lParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A device context that the context creation took from the host's window. The library
// keeps a window's context for its life, which its own class (CS_OWNDC) allows; one
// from the host's is on loan from the system and must go back.
static void releaseHostDC(_GLFWwindow* window, HWND host) {
    if (!window->context.wgl.dc) return;
    ReleaseDC(host, window->context.wgl.dc);
    window->context.wgl.dc = NULL;
}

// Puts the host back as it was and frees the record; the host window stays alive.
void detachNativeWindow(GLFWwindow* handle) {
    _GLFWwindow* window = (_GLFWwindow*) handle;
    Attached* a = findAttached(window);
    if (!a) return;
    if (a->oldProc) SetWindowLongPtrW(a->host, GWLP_WNDPROC, (LONG_PTR) a->oldProc);
    RemovePropW(a->host, L"GLFW");
    const HDC hostDC = a->child ? NULL : window->context.wgl.dc;
    // With handle left as the host, glfwDestroyWindow would destroy the host.
    if (!a->child) window->win32.handle = NULL;
    glfwDestroyWindow(handle);  // destroys our child window too, if there is one
    if (hostDC) ReleaseDC(a->host, hostDC);  // only once the context on it is gone
    a->window = NULL;
}

static GLFWbool createContext(_GLFWwindow* window, const _GLFWctxconfig* ctx, const _GLFWfbconfig* fb,
                              GLFWbool quiet) {
    if (ctx->client == GLFW_NO_API) return GLFW_TRUE;
    GLFWerrorfun previous = quiet ? glfwSetErrorCallback(NULL) : NULL;
    GLFWbool ok = GLFW_FALSE;
    if (ctx->source == GLFW_NATIVE_CONTEXT_API)
        ok = _glfwInitWGL() && _glfwCreateContextWGL(window, ctx, fb);
    else if (ctx->source == GLFW_EGL_CONTEXT_API)
        ok = _glfwInitEGL() && _glfwCreateContextEGL(window, ctx, fb);
    else if (ctx->source == GLFW_OSMESA_CONTEXT_API)
        ok = _glfwInitOSMesa() && _glfwCreateContextOSMesa(window, ctx, fb);
    if (quiet) glfwSetErrorCallback(previous);
    return ok;
}

// A window record as glfwCreateWindow fills one, for the host's window as it is now.
static _GLFWwindow* buildRecord(HWND host, const _GLFWfbconfig* fbconfig, const _GLFWwndconfig* wndconfig) {
    RECT client;
    GetClientRect(host, &client);
    const LONG style = GetWindowLongW(host, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(host, GWL_EXSTYLE);

    _GLFWwindow* window = calloc(1, sizeof(_GLFWwindow));
    window->next = _glfw.windowListHead;
    _glfw.windowListHead = window;
    window->videoMode.width = client.right - client.left;
    window->videoMode.height = client.bottom - client.top;
    window->videoMode.redBits = fbconfig->redBits;
    window->videoMode.greenBits = fbconfig->greenBits;
    window->videoMode.blueBits = fbconfig->blueBits;
    window->videoMode.refreshRate = _glfw.hints.refreshRate;
    window->autoIconify = wndconfig->autoIconify;
    window->focusOnShow = wndconfig->focusOnShow;
    window->doublebuffer = fbconfig->doublebuffer;
    window->cursorMode = GLFW_CURSOR_NORMAL;
    window->minwidth = window->minheight = GLFW_DONT_CARE;
    window->maxwidth = window->maxheight = GLFW_DONT_CARE;
    window->numer = window->denom = GLFW_DONT_CARE;
    window->resizable = (style & WS_THICKFRAME) != 0;
    window->decorated = (style & (WS_BORDER | WS_THICKFRAME)) != 0;
    window->floating = (exStyle & WS_EX_TOPMOST) != 0;
    window->win32.maximized = IsZoomed(host);
    window->win32.iconified = IsIconic(host);
    window->win32.width = window->videoMode.width;
    window->win32.height = window->videoMode.height;
    window->win32.handle = host;
    return window;
}

// Another process's window refuses to be subclassed (access denied); the preview then
// goes on without the host's messages, and follows its size by asking.
static void subclassHost(Attached* slot) {
    WNDPROC old = (WNDPROC) GetWindowLongPtrW(slot->host, GWLP_WNDPROC);
    if (!slot->libraryProc || old == slot->libraryProc || old == subclassedHostProc) return;
    slot->oldProc = old;
    SetLastError(0);
    if (!SetWindowLongPtrW(slot->host, GWLP_WNDPROC, (LONG_PTR) subclassedHostProc)) slot->oldProc = NULL;
}

// Some hosts' windows cannot take a pixel format from us (another process's window
// under Wine). Then the context goes on a child window of our own that fills the host's
// client area, instead of failing the whole preview.
static GLFWbool makeContext(_GLFWwindow* window, Attached* slot, const _GLFWctxconfig* ctxconfig,
                            const _GLFWfbconfig* fbconfig) {
    if (ctxconfig->client == GLFW_NO_API) return GLFW_TRUE;
    GLFWbool ok = createContext(window, ctxconfig, fbconfig, GLFW_TRUE);
    if (!ok) {
        releaseHostDC(window, slot->host);
        // Disabled, the child is passed over when the system looks for the window under
        // the pointer, and it never takes the focus: the host keeps its input.
        slot->child = CreateWindowExW(0, _GLFW_WNDCLASSNAME, L"",
                                      WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                      window->win32.width, window->win32.height, slot->host, NULL,
                                      GetModuleHandleW(NULL), NULL);
        if (slot->child) {
            window->win32.handle = slot->child;
            SetPropW(slot->child, L"GLFW", window);
            ok = createContext(window, ctxconfig, fbconfig, GLFW_FALSE);
        }
    }
    return ok && _glfwRefreshContextAttribs(window, ctxconfig);
}

GLFWwindow* attachToNativeWindow(uintptr_t nativeWindow, GLFWwindow* share) {
    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    HWND host = (HWND) nativeWindow;
    _GLFWfbconfig fbconfig = _glfw.hints.framebuffer;
    _GLFWctxconfig ctxconfig = _glfw.hints.context;
    _GLFWwndconfig wndconfig = _glfw.hints.window;
    ctxconfig.share = (_GLFWwindow*) share;
    if (!_glfwIsValidContextConfig(&ctxconfig)) return NULL;
    // Not a window at all: nothing to attach to. The caller says so to the user.
    if (!IsWindow(host)) return NULL;

    Attached* slot = findAttached(NULL);
    if (!slot) return NULL;
    _GLFWwindow* window = buildRecord(host, &fbconfig, &wndconfig);
    slot->window = window;
    slot->host = host;
    slot->child = NULL;
    slot->oldProc = NULL;
    slot->libraryProc = libraryWindowProc();
    SetPropW(host, L"GLFW", window);
    subclassHost(slot);
    if (!makeContext(window, slot, &ctxconfig, &fbconfig)) {
        detachNativeWindow((GLFWwindow*) window);
        return NULL;
    }
    return (GLFWwindow*) window;
}

void followNativeWindowSize(GLFWwindow* handle) {
    _GLFWwindow* window = (_GLFWwindow*) handle;
    Attached* a = findAttached(window);
    RECT host;
    if (!a || !GetClientRect(a->host, &host)) return;
    if (a->child) {
        // The child's own size message then tells the library.
        RECT child;
        if (GetClientRect(a->child, &child) && (host.right != child.right || host.bottom != child.bottom))
            SetWindowPos(a->child, NULL, 0, 0, host.right, host.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (host.right != window->win32.width || host.bottom != window->win32.height) {
        // A subclassed host has told the library already, through its size message;
        // one we could not subclass sends that message to its own procedure only.
        window->win32.width = host.right;
        window->win32.height = host.bottom;
        _glfwInputFramebufferSize(window, host.right, host.bottom);
        _glfwInputWindowSize(window, host.right, host.bottom);
    }
}
