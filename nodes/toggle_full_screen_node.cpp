#include "core/system_manager.h"
#include "graph/node_registry.h"
#include "graphics/game_window.h"

namespace {
// "FullScreen" when the window became full screen, "Windowed" when it left it. Without a
// window there is nothing to toggle and the chain stops.
class ToggleFullScreenNode : public Node<ToggleFullScreenNode> {
public:
    ToggleFullScreenNode() : Node(kToggleFullScreenNode, {"FullScreen", "Windowed"}, {}) {}

    int Execute(AI_Component* ctx) override {
        auto* window = SystemManager::GetInstance().Get<GameWindow>(GAME_WINDOW);
        if (!window) return 0;
        const bool wasFullScreen = window->isFullScreen;
        window->SetFullScreen(!wasFullScreen);
        return RunOutput(wasFullScreen ? 1 : 0, ctx);
    }
};
}  // namespace

void RegisterToggleFullScreenNode() { RegisterNode<ToggleFullScreenNode>(); }
