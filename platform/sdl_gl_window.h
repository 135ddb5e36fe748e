#pragma once

#include <SDL.h>

namespace platform {

// A window with a current OpenGL 3.3 core context: the part both the real and the scripted
// display share. Prints one line on stdout when it cannot open.
class SdlGlWindow {
public:
    SdlGlWindow() = default;
    ~SdlGlWindow();
    SdlGlWindow(const SdlGlWindow&) = delete;
    SdlGlWindow& operator=(const SdlGlWindow&) = delete;

    // extraFlags are added to SDL_WINDOW_OPENGL, e.g. SDL_WINDOW_HIDDEN.
    bool Open(const char* title, int x, int y, int width, int height, uint32_t extraFlags);
    bool IsOpen() const { return window_ != nullptr; }
    void Swap();
    // False (and 0 x 0) when closed.
    bool GetDrawableSize(int& width, int& height) const;
    void Close();

    SDL_Window* Window() const { return window_; }

private:
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
};

}  // namespace platform
