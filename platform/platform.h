#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/keyboard_mouse.h"
#include "platform/pads.h"
#include "platform/sound_device.h"

namespace platform {

// One backend provides every facet. The engine reaches the installed one through Current().
class Backend {
public:
    virtual ~Backend() = default;
    virtual Display& GetDisplay() = 0;
    virtual EventSource& GetEvents() = 0;
    virtual KeyboardMouse& GetKeyboardMouse() = 0;
    virtual Clock& GetClock() = 0;
    virtual Pads& GetPads() = 0;
    virtual SoundDevice& GetSound() = 0;
};

// The installed backend. Before Install, a logic-only scripted backend stands in, so engine
// code never meets a missing platform.
Backend& Current();
void Install(std::unique_ptr<Backend> backend);
// Closes the display and destroys the installed backend.
void Uninstall();

// The real backend: SDL2 for window, GL, events, keyboard, mouse, pads, clock and sound.
std::unique_ptr<Backend> CreateSdlBackend();

}  // namespace platform
