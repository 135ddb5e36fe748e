#include "platform/sdl_session.h"

#include <SDL.h>

namespace platform {

SdlSession::SdlSession(uint32_t subsystems, Hints hints)
    : subsystems_(subsystems), hints_(std::move(hints)) {
    for (const auto& [name, value] : hints_) {
        SDL_SetHint(name, value);
    }
    // SDL_InitSubSystem counts references per subsystem and undoes a partial start itself.
    ok_ = SDL_InitSubSystem(subsystems_) == 0;
    if (!ok_) {
        error_ = SDL_GetError();
    }
}

SdlSession::~SdlSession() {
    if (ok_) {
        SDL_QuitSubSystem(subsystems_);
    }
    for (const auto& hint : hints_) {
        SDL_ResetHint(hint.first);
    }
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
        SDL_Quit();
    }
}

}  // namespace platform
