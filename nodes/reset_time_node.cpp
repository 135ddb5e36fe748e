#include "graph/node_registry.h"

namespace {
class ResetTimeNode : public Node<ResetTimeNode> {
public:
    ResetTimeNode() : Node(kResetTimeNode, {"Next"}, {{"CurrCD", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        if (double* time = GetInput<double>(0, ctx)) *time = 0.0;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterResetTimeNode() { RegisterNode<ResetTimeNode>("ResetTimeNode"); }
