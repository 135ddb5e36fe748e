#pragma once

#include "platform/platform.h"

// False on the logic-only test backend: graphics code then keeps its data but makes no GL call.
inline bool GlAvailable() { return platform::Current().GetDisplay().HasGl(); }
