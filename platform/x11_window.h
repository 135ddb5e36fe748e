#pragma once

#include <SDL.h>

namespace platform {

// Under X, the size the window really has, as the X server holds it. SDL takes a full-screen
// request as carried out at once and reports the screen's size from then on, also when no
// window manager ever carries it out. False under any other video driver.
bool X11WindowSize(SDL_Window* window, int& width, int& height);

// Under X, takes the window off the screen as it stands and waits until the server has done
// so. SDL leaves full screen before it hides a window it destroys: the window manager would
// give the window back its frame and windowed size first, and the server would show the
// last full-screen picture cut to that size until the window goes. False under any other
// video driver, or when the window was not on the screen.
bool X11Withdraw(SDL_Window* window);

}  // namespace platform
