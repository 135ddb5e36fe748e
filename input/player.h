#pragma once

#include <memory>

#include "input/control_bindings.h"
#include "input/pad_record.h"

// One of the four player slots: a pad, its bindings, and what the last polls saw of the pad.
struct Player {
    explicit Player(int index) : pad(std::make_unique<XInput>(index)), index(index) {}

    std::unique_ptr<XInput> pad;
    ControlBindings bindings;
    // An inactive player's pad is not polled and controllers bound to it do nothing.
    bool isInactive = true;
    // The pad was connected at the last poll (for the console lines).
    bool wasConnected = false;
    bool isConnected = false;
    // While set, no stick or analog trigger of this player reports another trigger edge.
    bool analogLatch = true;
    int index = 0;
};
