#pragma once

#include <cstdint>

namespace platform {

// Keyboard state entries use the high bit for "down", like the Windows keyboard state.
constexpr uint8_t kKeyDown = 0x80;

class KeyboardMouse {
public:
    virtual ~KeyboardMouse() = default;
    // 256 entries indexed by virtual-key code (see virtual_keys.h). Mouse buttons 1, 2 and 4
    // and both the generic and the left/right modifier codes are filled.
    virtual void GetKeyboardState(uint8_t state[256]) = 0;
    // Client coordinates, y down.
    virtual void GetMousePosition(int& x, int& y) = 0;
};

}  // namespace platform
