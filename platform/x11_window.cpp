#include "platform/x11_window.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace platform {
namespace {

struct X11Handle {
    Display* display = nullptr;
    Window window = 0;
};

bool X11HandleOf(SDL_Window* window, X11Handle& handle) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    handle.display = info.info.x11.display;
    handle.window = info.info.x11.window;
    return true;
}

}  // namespace

bool X11WindowSize(SDL_Window* window, int& width, int& height) {
    X11Handle x;
    XWindowAttributes attributes;
    if (!X11HandleOf(window, x) || XGetWindowAttributes(x.display, x.window, &attributes) == 0) {
        return false;
    }
    width = attributes.width;
    height = attributes.height;
    return true;
}

bool X11Withdraw(SDL_Window* window) {
    X11Handle x;
    XWindowAttributes attributes;
    if (!X11HandleOf(window, x) || XGetWindowAttributes(x.display, x.window, &attributes) == 0 ||
        attributes.map_state == IsUnmapped) {
        return false;
    }
    // Withdrawn rather than only unmapped, so the window manager lets the window go at once.
    XWithdrawWindow(x.display, x.window, XScreenNumberOfScreen(attributes.screen));
    XSync(x.display, False);
    return true;
}

}  // namespace platform
