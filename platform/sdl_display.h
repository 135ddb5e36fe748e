#pragma once

#include "platform/display.h"
#include "platform/sdl_gl_window.h"

namespace platform {

// The player's window: placed at the screen's top-left, full screen as a borderless
// desktop-sized window so the display mode never changes under the game. Windowed, the player
// may resize and maximise it.
class SdlDisplay : public Display {
public:
    bool Open(const char* title, int width, int height) override;
    bool IsOpen() const override;
    bool HasGl() const override;
    void Present() override;
    bool GetClientSize(int& width, int& height) const override;
    bool SetFullScreen(bool on) override;
    void RequestMinimize() override;
    void ShowCursor(bool visible) override;
    void Close() override;

private:
    struct Geometry { int x = 0, y = 0, width = 0, height = 0; };

    SdlGlWindow window_;
    bool fullScreen_ = false;
    Geometry windowed_;  // where to go back to when leaving full screen
    bool savedMaximized_ = false;  // or maximise again instead, as it was on entering
};

}  // namespace platform
