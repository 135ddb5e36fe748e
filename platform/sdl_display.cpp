#include "platform/sdl_display.h"

#include <cstdio>
#include <cstring>

#include "platform/x11_window.h"

namespace platform {
namespace {

// With no display to reach, SDL falls back to drivers that draw to nothing, and the game would
// run on with no window anywhere. Only someone who names such a driver (tests, benchmarks)
// gets it; the name is returned when SDL fell back to one on its own, else null.
const char* HeadlessDriverNobodyChose() {
    const char* chosen = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (chosen != nullptr && *chosen != '\0') {
        return nullptr;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) {
        return nullptr;
    }
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ? driver : nullptr;
}

}  // namespace

bool SdlDisplay::Open(const char* title, int width, int height) {
    if (const char* driver = HeadlessDriverNobodyChose()) {
        std::printf("Display: no display to show the game on (SDL found only its \"%s\" driver); "
                    "start it in an X or Wayland desktop session, or set DISPLAY to your X display\n",
                    driver);
        std::fflush(stdout);
        return false;
    }
    if (!window_.Open(title, 0, 0, width, height, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE)) {
        return false;
    }
    fullScreen_ = false;
    savedMaximized_ = false;
    return true;
}

bool SdlDisplay::IsOpen() const {
    return window_.IsOpen();
}

bool SdlDisplay::HasGl() const {
    return window_.IsOpen();
}

void SdlDisplay::Present() {
    window_.Swap();
}

bool SdlDisplay::GetClientSize(int& width, int& height) const {
    // The picture must fit the window that is there, not the one SDL believes in.
    if (X11WindowSize(window_.Window(), width, height)) {
        return true;
    }
    return window_.GetDrawableSize(width, height);
}

bool SdlDisplay::SetFullScreen(bool on) {
    SDL_Window* window = window_.Window();
    if (window == nullptr) {
        return false;
    }
    if (on == fullScreen_) {
        return true;  // a second "on" must not overwrite the windowed geometry with the full one
    }
    if (on) {
        Geometry saved;
        const bool maximized = (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0;
        SDL_GetWindowPosition(window, &saved.x, &saved.y);
        SDL_GetWindowSize(window, &saved.width, &saved.height);
        if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            std::printf("Display: could not go full screen: %s\n", SDL_GetError());
            std::fflush(stdout);
            return false;
        }
        windowed_ = saved;
        savedMaximized_ = maximized;
        fullScreen_ = true;
        return true;
    }
    if (SDL_SetWindowFullscreen(window, 0) != 0) {
        std::printf("Display: could not leave full screen: %s\n", SDL_GetError());
        std::fflush(stdout);
        return false;
    }
    fullScreen_ = false;
    if (savedMaximized_) {
        // The saved rectangle of a maximised window is the maximised one: the window manager
        // keeps the size to go back to when the player un-maximises it.
        SDL_MaximizeWindow(window);
        return true;
    }
    SDL_SetWindowSize(window, windowed_.width, windowed_.height);
    SDL_SetWindowPosition(window, windowed_.x, windowed_.y);
    return true;
}

void SdlDisplay::RequestMinimize() {
    if (window_.Window() != nullptr) {
        SDL_MinimizeWindow(window_.Window());
    }
}

void SdlDisplay::ShowCursor(bool visible) {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlDisplay::Close() {
    // Off the screen before anything leaves full screen: no picture drawn for the full screen
    // may show in the window restored to its windowed size.
    X11Withdraw(window_.Window());
    window_.Close();
    fullScreen_ = false;
}

}  // namespace platform
