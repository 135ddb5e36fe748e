#include <cstdint>

#include "core/random.h"
#include "graph/node_registry.h"

namespace {
// Writes a number from "From" up to, not including, "To", from the engine's one generator
// (reseeding from the clock on every run would draw one number for a whole second).
class GetRandomIntNode : public Node<GetRandomIntNode> {
public:
    GetRandomIntNode()
        : Node(kGetRandomIntNode, {"Next"}, {{"From", VT_INT}, {"To", VT_INT}, {"RandNumOutput", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        const int* from = GetInput<int>(0, ctx);
        const int* to = GetInput<int>(1, ctx);
        int* output = GetInput<int>(2, ctx);
        if (from && to && output) *output = Draw(*from, *to);
        return RunOutput(0, ctx);
    }

private:
    static int Draw(int from, int to) {
        const int64_t range = static_cast<int64_t>(to) - from;
        // Equal bounds leave one number to draw: the bound itself.
        if (range == 0) return from;
        const int64_t r = RandomInt();
        return static_cast<int>(from + r % range);
    }
};
}  // namespace

void RegisterGetRandomIntNode() { RegisterNode<GetRandomIntNode>("GetRandomIntNode"); }
