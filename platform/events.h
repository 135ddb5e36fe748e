#pragma once

namespace platform {

enum class EventKind {
    Quit,         // window closed, SIGINT or SIGTERM
    FocusGained,
    FocusLost,
    Minimized,
    Restored,
    Maximized,
    Resized,      // x, y: new client width and height
    KeyDown,      // code: virtual-key code (repeats arrive as further KeyDowns)
    KeyUp,        // code: virtual-key code
    Char,         // code: character code of typed text
    MouseMove,    // x, y: client coordinates, y down
};

struct Event {
    EventKind kind = EventKind::Quit;
    int code = 0;
    int x = 0;
    int y = 0;
};

class EventSource {
public:
    virtual ~EventSource() = default;
    // Takes the next pending event; false when none is left.
    virtual bool Poll(Event& out) = 0;
};

}  // namespace platform
