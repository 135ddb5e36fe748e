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
    // Presents the picture drawn in the previous frame when the window still has the size it was
    // drawn for, then fits the view to the window.
    bool Update(double dt) override;

    // The client area as the window last read it (once a frame, and on a resize); 0 when there
    // is no window. The renderer and the mouse mapping read it from here.
    int GetClientWidth() const { return clientWidth_; }
    int GetClientHeight() const { return clientHeight_; }
    // Switches when the display allows it; isFullScreen says where the window ended up.
    void SetFullScreen(bool on);
    // The effects of one window event, whichever backend produced it.
    void HandleEvent(const platform::Event& event);
    void PostWindowsEvent(int kind, int64_t lParam, int64_t wParam);
    // Stretches the renderer's view over the client area as last read, when it changed.
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
    // Asks the display for the client size and keeps it. Every frame: a full-screen request may
    // be carried out late, or never, whatever was reported.
    void ReadClientSize();

    WindowsEventMessage* eventMessage_ = nullptr;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int viewWidth_ = 0;  // the client size the view was last fitted to
    int viewHeight_ = 0;
    int pictureWidth_ = 0;  // the view size the picture waiting to be presented was drawn with
    int pictureHeight_ = 0;
};
