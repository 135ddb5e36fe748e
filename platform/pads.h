#pragma once

#include <cstdint>

namespace platform {

constexpr int kMaxPads = 4;

// Button bits of a pad record.
enum PadButton : uint16_t {
    kPadDpadUp = 0x0001,
    kPadDpadDown = 0x0002,
    kPadDpadLeft = 0x0004,
    kPadDpadRight = 0x0008,
    kPadStart = 0x0010,
    kPadBack = 0x0020,
    kPadLeftThumb = 0x0040,
    kPadRightThumb = 0x0080,
    kPadLeftShoulder = 0x0100,
    kPadRightShoulder = 0x0200,
    kPadA = 0x1000,
    kPadB = 0x2000,
    kPadX = 0x4000,
    kPadY = 0x8000,
};

// One player's pad: triggers 0..255, sticks -32768..32767 with y up.
struct PadState {
    uint32_t packet = 0;
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0;
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0;
    int16_t thumbLY = 0;
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;
};

class Pads {
public:
    virtual ~Pads() = default;
    // False when no pad sits in that player slot (0..3).
    virtual bool GetState(int player, PadState& out) = 0;
    // Motor speeds 0..65535; the rumble lasts until changed.
    virtual bool SetVibration(int player, uint16_t left, uint16_t right) = 0;
};

}  // namespace platform
