#pragma once

#include <SDL.h>

namespace platform {

// Under X, the size the window really has, as the X server holds it. SDL takes a full-screen
// request as carried out at once and reports the screen's size from then on, also when no
// window manager ever carries it out. False under any other video driver.
bool X11WindowSize(SDL_Window* window, int& width, int& height);

}  // namespace platform
