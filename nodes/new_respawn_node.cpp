#include <string>

#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/own_variable.h"
#include "nodes/respawns_objects.h"

namespace {
// Puts the character back at a point the level's current boundary object holds: the ball
// holder's point when "RespawnPoint" is "Holder", else the point for the player's place on
// its side ("Friend") or the far side ("Oppo") of the boundary, seen from the boundary's
// direction: "RightFriend1", "LeftOppo2", "RightHolder" ... Whatever is missing on the way
// stops the chain with no respawn.
class NewRespawnNode : public RespawnsObjects<Node<NewRespawnNode>> {
public:
    NewRespawnNode() : RespawnsObjects(kNewRespawnNode, {"DropBall"}, {{"RespawnPoint", VT_STRING}}) {}

    int Execute(AI_Component* ctx) override {
        const std::string* requested = GetInput<std::string>(0, ctx);
        GameObject* const* current = ObjectVariable<GameObject*>(levelObject_.Get(), "CurrentBoundary");
        const GameObject* boundary = current ? *current : nullptr;
        const int* direction = ObjectVariable<int>(boundary, "Direction");
        if (!requested || !direction) return 0;

        std::string point = *requested;
        if (point != "Holder") {
            const int* boundaryTeam = TeamOf(boundary);
            const int* team = OwnTeam(ctx);
            const int* seq = OwnVariable<int>(ctx, "resSeq");
            if (!boundaryTeam || !team || !seq) return 0;
            point = (*boundaryTeam == *team ? "Oppo" : "Friend") + std::to_string(*seq);
        }
        const Vec2* position = ObjectVariable<Vec2>(boundary, (*direction == -1 ? "Right" : "Left") + point);
        return position ? Respawn(ctx, *position) : 0;
    }

private:
    LevelObjectLookup levelObject_;
};
}  // namespace

void RegisterNewRespawnNode() { RegisterNode<NewRespawnNode>("NewRespawnNode"); }
