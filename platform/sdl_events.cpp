#include "platform/sdl_events.h"

#include "platform/sdl_key_map.h"
#include "platform/utf8_decode.h"

namespace platform {

bool SdlEventSource::Poll(Event& out) {
    while (pending_.empty()) {
        if (SDL_WasInit(SDL_INIT_EVENTS) == 0) {
            return false;
        }
        SDL_Event event;
        if (SDL_PollEvent(&event) == 0) {
            return false;
        }
        Translate(event);
    }
    out = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlEventSource::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            pending_.push_back({EventKind::Quit, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int code = VirtualKeyFromScancode(event.key.keysym.scancode);
            if (code == 0) {
                break;
            }
            const bool down = event.type == SDL_KEYDOWN;
            input_.SetKey(code, down);
            pending_.push_back({down ? EventKind::KeyDown : EventKind::KeyUp, code, 0, 0});
            break;
        }
        case SDL_TEXTINPUT:
            for (int codePoint : DecodeUtf8(event.text.text, sizeof(event.text.text))) {
                pending_.push_back({EventKind::Char, codePoint, 0, 0});
            }
            break;
        case SDL_MOUSEMOTION:
            input_.SetMousePosition(event.motion.x, event.motion.y);
            pending_.push_back({EventKind::MouseMove, 0, event.motion.x, event.motion.y});
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            input_.SetMousePosition(event.button.x, event.button.y);
            input_.SetKey(VirtualKeyFromMouseButton(event.button.button),
                          event.type == SDL_MOUSEBUTTONDOWN);
            break;
        default:
            break;
    }
}

void SdlEventSource::TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            pending_.push_back({EventKind::Quit, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            pending_.push_back({EventKind::FocusGained, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Releases that happen while another window has focus never reach us; without
            // this a key held while alt-tabbing away would stay down for good.
            input_.ReleaseAllKeys();
            pending_.push_back({EventKind::FocusLost, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            pending_.push_back({EventKind::Minimized, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_RESTORED:
            pending_.push_back({EventKind::Restored, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            pending_.push_back({EventKind::Maximized, 0, 0, 0});
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // SDL also sends RESIZED for user drags; SIZE_CHANGED covers every cause, once.
            pending_.push_back({EventKind::Resized, 0, event.data1, event.data2});
            break;
        default:
            break;
    }
}

}  // namespace platform
