#pragma once

#include "platform/key_state_table.h"
#include "platform/keyboard_mouse.h"

namespace platform {

// Keyboard and mouse as last reported to us, whether by SDL events or by a test script.
class TrackedKeyboardMouse : public KeyboardMouse {
public:
    void GetKeyboardState(uint8_t state[256]) override { keys_.CopyTo(state); }
    void GetMousePosition(int& x, int& y) override {
        x = mouseX_;
        y = mouseY_;
    }

    void SetKey(int virtualKey, bool down) { keys_.Set(virtualKey, down); }
    void ReleaseAllKeys() { keys_.ReleaseAll(); }
    void SetMousePosition(int x, int y) {
        mouseX_ = x;
        mouseY_ = y;
    }

private:
    KeyStateTable keys_;
    int mouseX_ = 0;
    int mouseY_ = 0;
};

}  // namespace platform
