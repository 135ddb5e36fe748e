#include "flow/game_state_manager.h"
#include "graph/node_registry.h"
#include "nodes/respawns_objects.h"

namespace {
// Puts the character back at the point given for the scene the camera shows.
class RespawnNode : public RespawnsObjects<Node<RespawnNode>> {
public:
    RespawnNode() : RespawnsObjects(kRespawnNode, {"DropBall"}, {{"Scene0", VT_VEC2}, {"Scene1", VT_VEC2}, {"Scene2", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        // Each scene's point sits on the input of the same number; other scenes have none.
        const Vec2* point = GetInput<Vec2>(GameStateManager::Instance().currentScene, ctx);
        return point ? Respawn(ctx, *point) : 0;
    }
};
}  // namespace

void RegisterRespawnNode() { RegisterNode<RespawnNode>("RespawnNode"); }
