#include "graph/node_registry.h"

namespace {
// "Output" = "Orig" x "Mul Factor"; skipped unless all three are there.
class MultiplyDoubleNode : public Node<MultiplyDoubleNode> {
public:
    MultiplyDoubleNode()
        : Node(kMultiplyDoubleNode, {"Next"}, {{"Orig", VT_DOUBLE}, {"Mul Factor", VT_DOUBLE}, {"Output", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const double* orig = GetInput<double>(0, ctx);
        const double* factor = GetInput<double>(1, ctx);
        double* output = GetInput<double>(2, ctx);
        if (orig && factor && output) *output = *orig * *factor;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterMultiplyDoubleNode() { RegisterNode<MultiplyDoubleNode>("MultiplyDoubleNode"); }
