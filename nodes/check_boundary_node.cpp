#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/object_receiver.h"
#include "nodes/own_variable.h"

namespace {
// May the running object cross the scene boundary it touched? Red (team 0) passes towards
// higher scene numbers, blue (team 1) towards lower ones; a boundary inside the object's own
// scene never lets it through. Missing scene or team numbers keep the boundary closed.
class CheckBoundaryNode : public ReceivesObject<Node<CheckBoundaryNode>> {
public:
    CheckBoundaryNode() : ReceivesObject(kCheckBoundaryNode, {"True", "False"}, {{"BoundaryObj", VT_GAME_OBJECT}}) {
        AddCarrier<GameObject*>(0);
    }

    int Execute(AI_Component* ctx) override {
        GameObject* boundary = receivedObject;
        if (!boundary) return RunOutput(1, ctx);
        const int* boundaryScene = ObjectVariable<int>(boundary, "Scene");
        const int* scene = OwnVariable<int>(ctx, "Scene");
        const int* team = OwnTeam(ctx);
        if (!boundaryScene || !scene || !team || *boundaryScene == *scene) return RunOutput(1, ctx);
        const int down = *boundaryScene < *scene ? 1 : 0;
        if (down != *team) return RunOutput(1, ctx);
        if (GameObject** variable = GetInput<GameObject*>(0, ctx)) *variable = boundary;
        SendData(OutputTarget(0), 0, boundary);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterCheckBoundaryNode() { RegisterNode<CheckBoundaryNode>("CheckBoundaryNode"); }
