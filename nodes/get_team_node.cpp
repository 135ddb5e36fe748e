#include "graph/node_registry.h"
#include "graph/node_helpers.h"

namespace {
// Branches on an object's team; anything but red (0) or blue (1) is "None".
class GetTeamNode : public Node<GetTeamNode> {
public:
    GetTeamNode() : Node(kGetTeamNode, {"Red", "Blue", "None"}, {{"Game Object", VT_GAME_OBJECT}}) {
        inputs[0].isGlobal = true;
    }

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        const int* team = object ? TeamOf(*object) : nullptr;
        if (!team || *team < 0 || *team > kNone) return RunOutput(kNone, ctx);
        return RunOutput(*team, ctx);
    }

private:
    static constexpr int kNone = 2;
};
}  // namespace

void RegisterGetTeamNode() { RegisterNode<GetTeamNode>("GetTeamNode"); }
