#pragma once

#include <memory>
#include <vector>

#include "platform/display.h"
#include "platform/sdl_gl_window.h"
#include "platform/sdl_session.h"

namespace platform {

// The test display. With GL it renders into a hidden window of SDL's offscreen driver; it
// records window-manager requests instead of carrying them out, so a test's frame size and
// pixels never depend on a desktop.
class ScriptedDisplay : public Display {
public:
    explicit ScriptedDisplay(bool withGl);
    ~ScriptedDisplay() override;

    bool Open(const char* title, int width, int height) override;
    bool IsOpen() const override { return open_; }
    bool HasGl() const override { return window_.IsOpen(); }
    // Nobody looks at a test's window: finishing the frame instead of swapping keeps the
    // presented picture readable with glReadPixels.
    void Present() override;
    int PresentCount() const { return presentCount_; }
    bool GetClientSize(int& width, int& height) const override;
    // Recorded, then granted while the window is open, unless the test has the system refuse.
    bool SetFullScreen(bool on) override;
    void RequestMinimize() override { ++minimizeRequests_; }
    void ShowCursor(bool visible) override { cursorVisible_ = visible; }
    void Close() override;

    const std::vector<bool>& FullScreenRequests() const { return fullScreenRequests_; }
    void RefuseFullScreenSwitches(bool refuse) { refuseFullScreen_ = refuse; }
    // The client size the window manager gave the window; the picture itself keeps the size
    // the window opened with.
    void SetClientSize(int width, int height);
    int MinimizeRequests() const { return minimizeRequests_; }
    bool CursorVisible() const { return cursorVisible_; }

private:
    std::unique_ptr<SdlSession> sdl_;  // only with GL; outlives the window
    SdlGlWindow window_;
    bool open_ = false;
    int width_ = 0;
    int height_ = 0;
    std::vector<bool> fullScreenRequests_;
    bool refuseFullScreen_ = false;
    int minimizeRequests_ = 0;
    bool cursorVisible_ = true;
    int presentCount_ = 0;
};

}  // namespace platform
