#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/object_receiver.h"

namespace {
// Whether an object (bound, or else handed over) plays in the running object's team. The
// object goes on to whichever node follows. Without an object, or without both teams, the
// chain stops.
class IsMyTeamNode : public ReceivesObject<Node<IsMyTeamNode>> {
public:
    IsMyTeamNode() : ReceivesObject(kIsMyTeamNode, {"True", "False"}, {{"target", VT_GAME_OBJECT}}) {
        AddCarrier<GameObject*>(0);
    }

    int Execute(AI_Component* ctx) override {
        GameObject* const* bound = GetInput<GameObject*>(0, ctx);
        GameObject* target = bound && *bound ? *bound : receivedObject;
        if (!target) return 0;
        const int* mine = OwnTeam(ctx);
        const int* theirs = TeamOf(target);
        if (!mine || !theirs) return 0;
        const int output = *mine == *theirs ? 0 : 1;
        SendData(OutputTarget(output), 0, target);
        return RunOutput(output, ctx);
    }
};
}  // namespace

void RegisterIsMyTeamNode() { RegisterNode<IsMyTeamNode>("IsMyTeamNode"); }
