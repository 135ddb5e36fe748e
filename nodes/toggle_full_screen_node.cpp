#include "core/system_manager.h"
#include "graph/node_registry.h"
#include "graphics/game_window.h"

namespace {
// "FullScreen" when the window is full screen after the toggle, "Windowed" when it is not: a
// switch the system refused leaves the window, and so the output, as it was. Without a window
// there is nothing to toggle and the chain stops.
class ToggleFullScreenNode : public Node<ToggleFullScreenNode> {
public:
    ToggleFullScreenNode() : Node(kToggleFullScreenNode, {"FullScreen", "Windowed"}, {}) {}

    int Execute(AI_Component* ctx) override {
        auto* window = SystemManager::GetInstance().Get<GameWindow>(GAME_WINDOW);
        if (!window) return 0;
        window->SetFullScreen(!window->isFullScreen);
        return RunOutput(window->isFullScreen ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterToggleFullScreenNode() { RegisterNode<ToggleFullScreenNode>("ToggleFullScreenNode"); }
