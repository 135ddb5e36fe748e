#pragma once

#include <array>
#include <cstdint>

namespace platform {

// The 256-entry keyboard table both backends hand out. Keys are stored as reported; the generic
// Shift, Control and Alt entries are derived on the way out, so releasing one of two held
// shifts cannot clear Shift while the other is still down.
class KeyStateTable {
public:
    // Codes outside 1..255 are ignored.
    void Set(int virtualKey, bool down);
    void ReleaseAll();
    bool IsDown(int virtualKey) const;
    void CopyTo(uint8_t out[256]) const;

private:
    std::array<uint8_t, 256> keys_{};
};

}  // namespace platform
