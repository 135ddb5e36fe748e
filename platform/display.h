#pragma once

namespace platform {

// The game's one window and its OpenGL 3.3 core context. The context stays current on the
// main thread from Open until Close; Close runs after every system holding GL objects is gone.
class Display {
public:
    virtual ~Display() = default;

    // Opens the window with a GL 3.3 core context made current (swap interval 0: the engine
    // paces itself). Prints one line and returns false on failure.
    virtual bool Open(const char* title, int width, int height) = 0;
    virtual bool IsOpen() const = 0;
    // False for the scripted backend's logic-only variant: no GL calls may be made then.
    virtual bool HasGl() const = 0;
    virtual void Present() = 0;
    // Client area in pixels, as the window really has it; false (and 0 x 0) when there is no
    // window.
    virtual bool GetClientSize(int& width, int& height) const = 0;
    // Borderless desktop full screen; leaving it restores the window as it was before: maximised
    // again, or at its saved position and size. True when the window is in the asked mode
    // afterwards; false when there is no window or the system refused the switch, and then the
    // window stays as it was.
    virtual bool SetFullScreen(bool on) = 0;
    // Only a request: the window manager may ignore it. The Minimized event reports a real one.
    virtual void RequestMinimize() = 0;
    virtual void ShowCursor(bool visible) = 0;
    virtual void Close() = 0;
};

}  // namespace platform
