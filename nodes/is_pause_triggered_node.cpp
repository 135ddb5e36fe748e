#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
// Any player asking for the pause, on any device, whoever runs the graph.
class IsPauseTriggeredNode : public Node<IsPauseTriggeredNode> {
public:
    IsPauseTriggeredNode() : Node(kIsPauseTriggeredNode, {"True", "False"}, {}) {}

    int Execute(AI_Component* ctx) override {
        InputManager* input = TheInputManager();
        const bool pause = input && (input->IsMiscKeyTriggered(MISC_EXIT) || input->IsMiscKeyTriggered(MISC_PAUSE));
        return RunOutput(pause ? 0 : 1, ctx);
    }
};
}  // namespace

void RegisterIsPauseTriggeredNode() { RegisterNode<IsPauseTriggeredNode>("IsPauseTriggeredNode"); }
