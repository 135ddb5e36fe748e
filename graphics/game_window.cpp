#include "graphics/game_window.h"

#include "core/message_prototypes.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graphics/graphic_gl.h"
#include "graphics/windows_event_message.h"
#include "input/mouse_position.h"
#include "platform/platform.h"

GameWindow::GameWindow() : ISystem(GAME_WINDOW) {}

bool GameWindow::Init() {
    if (!platform::Current().GetDisplay().Open(title, width, height)) return false;
    ReadClientSize();
    return true;
}

bool GameWindow::Update(double) {
    ReadClientSize();
    // The waiting picture was drawn for the size the view had then: in a window of another size
    // it would show cut or stretched, so it is dropped and the next one drawn for the new size.
    // Before anything is fitted (or while minimised) it is the plain cleared colour.
    const bool unfitted = pictureWidth_ == 0 && pictureHeight_ == 0;
    if (unfitted || (pictureWidth_ == clientWidth_ && pictureHeight_ == clientHeight_)) {
        platform::Current().GetDisplay().Present();
    }
    if (auto* renderer = SystemManager::GetInstance().Get<GraphicGL>(GRAPHIC_GL)) FitView(*renderer);
    // The renderer draws the next picture after this, with the view as it now stands.
    pictureWidth_ = viewWidth_;
    pictureHeight_ = viewHeight_;
    return true;
}

void GameWindow::ReadClientSize() {
    int w = 0, h = 0;
    const bool read = platform::Current().GetDisplay().GetClientSize(w, h);
    clientWidth_ = read ? w : 0;
    clientHeight_ = read ? h : 0;
}

void GameWindow::FitView(GraphicGL& renderer) {
    if (clientWidth_ == viewWidth_ && clientHeight_ == viewHeight_) return;
    renderer.Resize(clientWidth_, clientHeight_);
    viewWidth_ = clientWidth_;
    viewHeight_ = clientHeight_;
}

void GameWindow::SetFullScreen(bool on) {
    // The flag follows the screen: when the system refuses the switch, the window is still what
    // it was, and so is the flag.
    if (platform::Current().GetDisplay().SetFullScreen(on)) isFullScreen = on;
}

void GameWindow::PostWindowsEvent(int kind, int64_t lParam, int64_t wParam) {
    if (!eventMessage_) eventMessage_ = CloneMessage<WindowsEventMessage>();
    eventMessage_->kind = kind;
    eventMessage_->wParam = wParam;
    eventMessage_->lParam = lParam;
    eventMessage_->Post();
}

namespace {
// Client coordinates packed as two signed 16-bit words, x low.
int64_t PackClientPoint(int x, int y) {
    return static_cast<int64_t>(static_cast<uint16_t>(static_cast<int16_t>(x))) |
           (static_cast<int64_t>(static_cast<uint16_t>(static_cast<int16_t>(y))) << 16);
}
}  // namespace

void GameWindow::HandleEvent(const platform::Event& event) {
    using platform::EventKind;
    switch (event.kind) {
        case EventKind::Quit:
            GameStateManager::Request(GameStateManager::nextState, Quit);
            break;
        case EventKind::FocusGained:
        case EventKind::FocusLost: {
            const bool gained = event.kind == EventKind::FocusGained;
            SystemManager::GetInstance().SetPaused(!gained);
            isActive = gained;
            // Only a request: the minimised flag follows what the window really does, or a
            // desktop that ignores the request would leave the game frozen for good.
            if (!gained) platform::Current().GetDisplay().RequestMinimize();
            break;
        }
        case EventKind::Minimized:
            isMinimized = true;
            break;
        case EventKind::Restored:
        case EventKind::Maximized:
            isMinimized = false;
            break;
        case EventKind::Resized:
            ReadClientSize();
            if (auto* renderer = SystemManager::GetInstance().Get<GraphicGL>(GRAPHIC_GL)) FitView(*renderer);
            break;
        case EventKind::KeyDown:
            PostWindowsEvent(KEY_DOWN_EVENT, 0, event.code);
            break;
        case EventKind::KeyUp:
            PostWindowsEvent(KEY_UP_EVENT, 0, event.code);
            break;
        case EventKind::Char:
            PostWindowsEvent(CHARACTER_EVENT, 0, event.code);
            break;
        case EventKind::MouseMove:
            SetMousePosition(event.x, event.y, GetClientWidth(), GetClientHeight());
            PostWindowsEvent(MOUSE_MOVE_EVENT, PackClientPoint(event.x, event.y), 0);
            break;
    }
}
