#include "platform/key_state_table.h"

#include <cstddef>

#include "platform/keyboard_mouse.h"
#include "platform/virtual_keys.h"

namespace platform {

void KeyStateTable::Set(int virtualKey, bool down) {
    if (virtualKey <= 0 || virtualKey >= static_cast<int>(keys_.size())) {
        return;
    }
    keys_[static_cast<std::size_t>(virtualKey)] = down ? kKeyDown : 0;
}

void KeyStateTable::ReleaseAll() {
    keys_.fill(0);
}

bool KeyStateTable::IsDown(int virtualKey) const {
    if (virtualKey <= 0 || virtualKey >= static_cast<int>(keys_.size())) {
        return false;
    }
    return (keys_[static_cast<std::size_t>(virtualKey)] & kKeyDown) != 0;
}

void KeyStateTable::CopyTo(uint8_t out[256]) const {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        out[i] = keys_[i];
    }
    struct Sides { int generic, left, right; };
    constexpr Sides kModifiers[] = {
        {vk::kShift, vk::kLShift, vk::kRShift},
        {vk::kControl, vk::kLControl, vk::kRControl},
        {vk::kMenu, vk::kLMenu, vk::kRMenu},
    };
    for (const Sides& m : kModifiers) {
        if (IsDown(m.left) || IsDown(m.right)) {
            out[m.generic] |= kKeyDown;
        }
    }
}

}  // namespace platform
