#pragma once

#include <SDL.h>

#include <deque>

#include "platform/events.h"
#include "platform/tracked_keyboard_mouse.h"

namespace platform {

// Turns SDL's queue into the engine's events, keeping the keyboard and mouse state in step
// as each event is taken, so a drained Poll loop leaves GetKeyboardState up to date.
class SdlEventSource : public EventSource {
public:
    explicit SdlEventSource(TrackedKeyboardMouse& input) : input_(input) {}

    bool Poll(Event& out) override;

private:
    // Adds the engine events one SDL event stands for (none, one, or a character each).
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event);

    TrackedKeyboardMouse& input_;
    std::deque<Event> pending_;
};

}  // namespace platform
