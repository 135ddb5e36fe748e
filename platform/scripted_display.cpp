#include "platform/scripted_display.h"

#include <cstdio>

#include <epoxy/gl.h>

namespace platform {

ScriptedDisplay::ScriptedDisplay(bool withGl) {
    if (withGl) {
        // A test process must stay killable by Ctrl+C and must not depend on a desktop, so
        // no signal handlers, and the offscreen driver unless the environment names another.
        sdl_ = std::make_unique<SdlSession>(
            SDL_INIT_VIDEO, SdlSession::Hints{{SDL_HINT_NO_SIGNAL_HANDLERS, "1"},
                                              {SDL_HINT_VIDEODRIVER, "offscreen"}});
    }
}

ScriptedDisplay::~ScriptedDisplay() {
    Close();
}

bool ScriptedDisplay::Open(const char* title, int width, int height) {
    if (open_) {
        std::printf("Display: the window is already open\n");
        std::fflush(stdout);
        return false;
    }
    if (width <= 0 || height <= 0) {
        std::printf("Display: cannot open a window of %d x %d pixels\n", width, height);
        std::fflush(stdout);
        return false;
    }
    if (sdl_ != nullptr) {
        if (!sdl_->Ok()) {
            std::printf("Display: SDL video could not start: %s\n", sdl_->Error().c_str());
            std::fflush(stdout);
            return false;
        }
        if (!window_.Open(title, 0, 0, width, height, SDL_WINDOW_HIDDEN)) {
            return false;
        }
    }
    open_ = true;
    width_ = width;
    height_ = height;
    return true;
}

void ScriptedDisplay::Present() {
    ++presentCount_;
    if (HasGl()) glFinish();
}

bool ScriptedDisplay::SetFullScreen(bool on) {
    fullScreenRequests_.push_back(on);
    return open_ && !refuseFullScreen_;
}

void ScriptedDisplay::SetClientSize(int width, int height) {
    if (!open_) return;
    width_ = width;
    height_ = height;
}

bool ScriptedDisplay::GetClientSize(int& width, int& height) const {
    width = open_ ? width_ : 0;
    height = open_ ? height_ : 0;
    return open_;
}

void ScriptedDisplay::Close() {
    window_.Close();
    open_ = false;
    width_ = 0;
    height_ = 0;
}

}  // namespace platform
