#pragma once

#include "platform/pads.h"
#include "platform/sound_device.h"

namespace platform {

// Stand-ins until the real pad and sound support lands: no pad is ever connected.
class NoPads : public Pads {
public:
    bool GetState(int /*player*/, PadState& out) override {
        out = PadState{};
        return false;
    }
    bool SetVibration(int /*player*/, uint16_t /*left*/, uint16_t /*right*/) override {
        return false;
    }
};

class SilentSoundDevice : public SoundDevice {};

}  // namespace platform
