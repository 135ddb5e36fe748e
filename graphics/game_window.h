#pragma once

#include <cstdint>

#include "core/system.h"
#include "platform/events.h"

class GraphicGL;
class WindowsEventMessage;

// The game's window: presents each frame and turns window events into engine state (focus and
// minimise flags, the quit request, resizes, the mouse position, window-event messages).
class GameWindow : public ISystem {
public:
    GameWindow();
    bool Init() override;
    // Presents the picture drawn in the previous frame, then fits the view to the window.
    bool Update(double dt) override;

    int GetClientWidth() const;
    int GetClientHeight() const;
    // Switches when the display allows it; isFullScreen says where the window ended up.
    void SetFullScreen(bool on);
    // The effects of one window event, whichever backend produced it.
    void HandleEvent(const platform::Event& event);
    void PostWindowsEvent(int kind, int64_t lParam, int64_t wParam);
    // Stretches the renderer's view over the client area when its size changed. Asked every
    // frame: a full-screen request may be carried out late, or never, whatever was reported.
    void FitView(GraphicGL& renderer);

    int x = 0;
    int y = 0;
    int width = 1280;
    int height = 720;
    const char* title = "Bramblecourt";
    bool isFullScreen = false;
    bool isActive = true;
    bool isMinimized = false;

private:
    WindowsEventMessage* eventMessage_ = nullptr;
    int viewWidth_ = 0;  // the client size the view was last fitted to
    int viewHeight_ = 0;
};
