#include <cstdint>
#include <cstdlib>
#include <ctime>

#include "graph/node_registry.h"

namespace {
// Writes a number from "From" up to, not including, "To". The generator is seeded with the
// time in seconds on every run, so runs within one second draw the same number.
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
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        const int64_t range = static_cast<int64_t>(to) - from;
        // Equal bounds leave one number to draw: the bound itself.
        if (range == 0) return from;
        const int64_t r = std::rand();
        return static_cast<int>(from + r % range);
    }
};
}  // namespace

void RegisterGetRandomIntNode() { RegisterNode<GetRandomIntNode>(); }
