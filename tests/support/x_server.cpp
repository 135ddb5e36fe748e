#include "support/x_server.h"

#include <csignal>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

// Last: its macros (None, True, ...) clash with names in other headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

ProcessOptions ServerOptions(int screenWidth, int screenHeight) {
    ProcessOptions options;
    // The server picks a free number and prints it.
    const std::string screen = std::to_string(screenWidth) + "x" + std::to_string(screenHeight) + "x24";
    options.command = {"Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp"};
    options.errorsWithOutput = false;
    return options;
}

// Windows come and go while the tree is read (SDL makes and drops a window of its own while it
// sets up GL): an error about one that just went is no reason to end the test.
int IgnoreXError(::Display*, XErrorEvent*) { return 0; }

// The mapped window with this title anywhere below `parent`, or 0.
Window FindWindow(::Display* x, Window parent, const char* title) {
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(x, parent, &root, &up, &children, &count) == 0) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(x, children[i], &name) != 0 && name != nullptr) {
            if (std::string(name) == title && XGetWindowAttributes(x, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
        }
        if (found == 0) found = FindWindow(x, children[i], title);
    }
    if (children != nullptr) XFree(children);
    return found;
}

// Whether the window shows more than one colour.
bool ShowsPicture(::Display* x, Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(x, window, &attributes) == 0) return false;
    XImage* image = XGetImage(x, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool drawn = false;
    for (int row = 0; row < image->height && !drawn; row += 4) {
        for (int column = 0; column < image->width && !drawn; column += 4) {
            drawn = XGetPixel(image, column, row) != first;
        }
    }
    XDestroyImage(image);
    return drawn;
}

constexpr auto kPoll = std::chrono::milliseconds(50);

}  // namespace

XServer::XServer(int screenWidth, int screenHeight) : server_(ServerOptions(screenWidth, screenHeight)) {
    if (server_.WaitUntilPrints("\n", std::chrono::seconds(10))) {
        const std::string number = server_.Output();
        display_ = ":" + number.substr(0, number.find('\n'));
    } else {
        ADD_FAILURE() << "Xvfb did not start (install the xvfb package)";
    }
}

ProcessOptions XServer::GameOptions() const {
    ProcessOptions options;
    options.environment = {{"DISPLAY", display_}, {"SDL_VIDEODRIVER", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}};
    return options;
}

bool XServer::WaitForPicture(const char* title, ChildProcess& program, std::chrono::milliseconds limit) const {
    const auto previous = XSetErrorHandler(IgnoreXError);
    const auto end = std::chrono::steady_clock::now() + limit;
    // The server may still turn a first connection away on a busy machine: keep asking.
    ::Display* x = nullptr;
    bool shown = false;
    while (!shown && !program.EndsWithin(std::chrono::milliseconds(0)) && std::chrono::steady_clock::now() < end) {
        if (x == nullptr) x = XOpenDisplay(display_.c_str());
        const Window window = x != nullptr ? FindWindow(x, DefaultRootWindow(x), title) : 0;
        shown = window != 0 && ShowsPicture(x, window);
        if (!shown) std::this_thread::sleep_for(kPoll);
    }
    if (x != nullptr) XCloseDisplay(x);
    XSetErrorHandler(previous);
    return shown;
}

XServer::Picture XServer::PictureOf(const char* title) const {
    const auto previous = XSetErrorHandler(IgnoreXError);
    Picture picture;
    if (::Display* x = XOpenDisplay(display_.c_str())) {
        const Window window = FindWindow(x, DefaultRootWindow(x), title);
        XWindowAttributes attributes{};
        XImage* image = window != 0 && XGetWindowAttributes(x, window, &attributes) != 0
                            ? XGetImage(x, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap)
                            : nullptr;
        if (image != nullptr) {
            picture.width = image->width;
            picture.height = image->height;
            picture.pixels.reserve(static_cast<size_t>(image->width) * image->height);
            for (int row = 0; row < image->height; ++row) {
                for (int column = 0; column < image->width; ++column) {
                    picture.pixels.push_back(static_cast<uint32_t>(XGetPixel(image, column, row) & 0xffffff));
                }
            }
            XDestroyImage(image);
        }
        XCloseDisplay(x);
    }
    XSetErrorHandler(previous);
    return picture;
}

XServer::~XServer() {
    // Asked to end, the server removes its socket and lock file itself.
    server_.Signal(SIGTERM);
    server_.Wait(std::chrono::seconds(10));
}

void XServer::End() {
    server_.Signal(SIGKILL);
    server_.Wait(std::chrono::seconds(10));
    // Killed, it leaves them behind.
    if (display_.empty()) return;
    const std::string number = display_.substr(1);
    std::error_code ignored;
    std::filesystem::remove("/tmp/.X11-unix/X" + number, ignored);
    std::filesystem::remove("/tmp/.X" + number + "-lock", ignored);
}
