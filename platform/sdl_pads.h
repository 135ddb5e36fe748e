#pragma once

#include <memory>

#include "platform/pads.h"

namespace platform {

// Every pad SDL knows as a game controller, in player slots (see PadSlots), with hot-plug.
// Rumble lasts until it is changed. Pads are optional: without joystick support in SDL no
// pad is ever connected.
std::unique_ptr<Pads> CreateSdlPads();

}  // namespace platform
