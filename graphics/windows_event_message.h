#pragma once

#include <cstdint>

#include "core/message.h"

enum WindowsEventKind {
    KEY_DOWN_EVENT = 0,
    KEY_UP_EVENT = 1,
    CHARACTER_EVENT = 2,
    MOUSE_MOVE_EVENT = 3,
};

// A keyboard or mouse event of the window. Nobody listens to it; input is polled.
class WindowsEventMessage : public MessageOf<WindowsEventMessage, WINDOWS_EVENT> {
public:
    int kind = 11;  // the prototype's kind, no real event
    int64_t wParam = 0;
    int64_t lParam = 0;
};
