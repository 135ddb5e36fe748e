#include "graph/node_registry.h"
#include "nodes/own_variable.h"

namespace {
// Which of its team's two players the running object is; any other place stops the chain.
class IsReSeqNode : public Node<IsReSeqNode> {
public:
    IsReSeqNode() : Node(kIsReSeqNode, {"First", "Second"}, {}) {}

    int Execute(AI_Component* ctx) override {
        const int* place = OwnVariable<int>(ctx, "resSeq");
        if (!place || (*place != 1 && *place != 2)) return 0;
        return RunOutput(*place - 1, ctx);
    }
};
}  // namespace

void RegisterIsReSeqNode() { RegisterNode<IsReSeqNode>("IsReSeqNode"); }
