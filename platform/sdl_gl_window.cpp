#include "platform/sdl_gl_window.h"

#include <cstdio>

namespace platform {
namespace {

void SetContextAttributes() {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
}

}  // namespace

SdlGlWindow::~SdlGlWindow() {
    Close();
}

bool SdlGlWindow::Open(const char* title, int x, int y, int width, int height,
                       uint32_t extraFlags) {
    if (window_ != nullptr) {
        std::printf("Display: the window is already open\n");
        std::fflush(stdout);
        return false;
    }
    if (width <= 0 || height <= 0) {
        std::printf("Display: cannot open a window of %d x %d pixels\n", width, height);
        std::fflush(stdout);
        return false;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        std::printf("Display: SDL video is not running\n");
        std::fflush(stdout);
        return false;
    }
    SetContextAttributes();
    window_ = SDL_CreateWindow(title != nullptr ? title : "", x, y, width, height,
                               SDL_WINDOW_OPENGL | extraFlags);
    if (window_ == nullptr) {
        std::printf("Display: could not create the window: %s\n", SDL_GetError());
        std::fflush(stdout);
        return false;
    }
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr || SDL_GL_MakeCurrent(window_, context_) != 0) {
        std::printf("Display: could not create an OpenGL 3.3 core context: %s\n",
                    SDL_GetError());
        std::fflush(stdout);
        Close();
        return false;
    }
    // The engine paces frames itself; waiting for vsync here would double the wait.
    SDL_GL_SetSwapInterval(0);
    return true;
}

void SdlGlWindow::Swap() {
    if (window_ != nullptr) {
        SDL_GL_SwapWindow(window_);
    }
}

bool SdlGlWindow::GetDrawableSize(int& width, int& height) const {
    if (window_ == nullptr) {
        width = 0;
        height = 0;
        return false;
    }
    SDL_GL_GetDrawableSize(window_, &width, &height);
    return true;
}

void SdlGlWindow::Close() {
    if (context_ != nullptr) {
        SDL_GL_MakeCurrent(window_, nullptr);
        SDL_GL_DeleteContext(context_);
        context_ = nullptr;
    }
    if (window_ != nullptr) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
}

}  // namespace platform
