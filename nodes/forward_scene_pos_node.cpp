#include "flow/game_state_manager.h"
#include "graph/node_registry.h"
#include "nodes/scene_position.h"

namespace {
// Hands the next node the position that belongs to the current camera scene. Without one
// (an unbound slot, or a scene outside 0 to 2) the chain stops rather than hand on an old one.
class ForwardScenePosNode : public Node<ForwardScenePosNode> {
public:
    ForwardScenePosNode()
        : Node(kForwardScenePosNode, {"Next"},
               {{"ScenePos1", VT_VEC2}, {"ScenePos2", VT_VEC2}, {"ScenePos3", VT_VEC2}}) {
        AddCarrier<Vec2>(0);
    }

    int Execute(AI_Component* ctx) override {
        const Vec2* position = ScenePosition(*this, 0, GameStateManager::Instance().currentScene, ctx);
        if (!position) return 0;
        SendData<Vec2>(OutputTarget(0), 0, *position);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterForwardScenePosNode() { RegisterNode<ForwardScenePosNode>("ForwardScenePosNode"); }
