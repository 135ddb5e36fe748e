#include "platform/x11_display_loss.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace platform {
namespace {

// Xlib's own handler calls exit(): the exit handlers then close the window and SDL through the
// dead connection, and SDL waits there for a reply that never comes, spinning, deaf to SIGTERM.
// Nothing can be torn down over a connection that is gone, so nothing is: the process ends
// here. No data file is mid-write at this point (writes never call into X), and every write
// replaces its file whole, so what is on disk stays as the last write left it.
int EndAtOnce(::Display* display) {
    std::printf("Display: the X display %s went away (its server ended or closed the connection); the game ends\n",
                DisplayString(display));
    std::fflush(stdout);
    _exit(1);
}

}  // namespace

void EndTheGameWhenTheXServerGoes() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) {
        // SDL loads the same libX11, so this handler is the one its connection uses.
        XSetIOErrorHandler(EndAtOnce);
    }
}

}  // namespace platform
