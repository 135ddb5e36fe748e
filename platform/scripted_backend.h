#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "platform/platform.h"

namespace platform {

// A backend for tests: events, keys, mouse, pads and time are injected by the test. With GL it
// still renders for real through SDL's offscreen driver, but it never reads SDL's events and
// installs no signal handlers. Full-screen and minimise requests are recorded, not carried out;
// a full-screen switch is granted unless the test has the system refuse it.
class ScriptedBackend : public Backend {
public:
    explicit ScriptedBackend(bool withGl);
    ~ScriptedBackend() override;

    Display& GetDisplay() override;
    EventSource& GetEvents() override;
    KeyboardMouse& GetKeyboardMouse() override;
    Clock& GetClock() override;
    Pads& GetPads() override;
    SoundDevice& GetSound() override;

    // Input the test scripts.
    void PushEvent(const Event& event);
    void SetKey(int virtualKey, bool down);
    void SetMousePosition(int x, int y);
    void SetPad(int player, const PadState& state);   // connects the pad
    void DisconnectPad(int player);
    // What the window manager does: the window takes this client size (0 x 0 when minimised)
    // and a Resized event is queued, as the real backend reports it. Unreported, no event comes,
    // as when SDL had already announced the size a full-screen request asked for.
    void ResizeWindow(int width, int height, bool reported = true);
    // From now on the display refuses (or grants again) every full-screen switch.
    void RefuseFullScreenSwitches(bool refuse);

    // Time the test drives.
    uint64_t Now() const;
    void Advance(uint64_t ticks);

    // What the engine asked for.
    const std::vector<bool>& FullScreenRequests() const;
    int MinimizeRequests() const;
    int PresentCount() const;
    bool CursorVisible() const;
    struct Rumble { uint16_t left = 0; uint16_t right = 0; };
    Rumble LastRumble(int player) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
