#include "core/startup.h"

#include "core/composite_factory.h"
#include "core/frame_rate_controller.h"
#include "core/game_object.h"
#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graphics/game_window.h"
#include "graphics/graphic_gl.h"
#include "platform/platform.h"

namespace {

constexpr int kLogicalWidth = 1280;
constexpr int kLogicalHeight = 720;

void ShowFirstPicture(GameWindow& window, const GraphicGL& renderer) {
    renderer.BeginFrame();
    window.Update(0.0);
}

}  // namespace

bool StartUp() {
    auto* window = new GameWindow();
    if (!window->Init()) {
        delete window;
        return false;
    }
    auto* renderer = new GraphicGL();
    if (!renderer->Init()) {
        delete renderer;
        delete window;
        return false;
    }
    ShowFirstPicture(*window, *renderer);
    renderer->logicalWidth = kLogicalWidth;
    renderer->logicalHeight = kLogicalHeight;
    renderer->Resize(window->GetClientWidth(), window->GetClientHeight());

    auto* factory = new CompositeFactory();

    SystemManager& systems = SystemManager::GetInstance();
    systems.AddSystem(renderer);
    systems.AddSystem(window);
    systems.AddSystem(factory);

    platform::Current().GetDisplay().ShowCursor(false);
    GameStateManager::RegisterListener();
    factory->Init();
    GameObject::LoadTypes();
    if (!window->isFullScreen) window->SetFullScreen(true);
    return true;
}

int RunGame() {
    if (!StartUp()) return -1;
    return SystemManager::GetInstance().Run();
}

void ResetEngine() {
    SystemManager::GetInstance().Reset();
    GameStateManager::ResetAll();
    MessageCenter::GetInstance().Reset();
    MessagePrototypes::GetInstance().Reset();
    FrameRateController::GetInstance().Reset();
    GameObjectTypes().clear();
}
