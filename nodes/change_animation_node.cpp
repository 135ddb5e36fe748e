#include "graph/node_registry.h"
#include "nodes/look_components.h"
#include "nodes/show_animation.h"

namespace {
// Switches the owner's animation, at once when the times are unbound, else only once
// "Curr AnimTime" (advanced by a timer elsewhere in the graph) has passed "Fixed AnimTime".
class ChangeAnimationNode : public Node<ChangeAnimationNode> {
public:
    ChangeAnimationNode()
        : Node(kChangeAnimationNode, {"NextAction"},
               {{"Anim id", VT_INT}, {"Fixed AnimTime", VT_DOUBLE}, {"Curr AnimTime", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const int* animation = GetInput<int>(0, ctx);
        const double* fixedTime = GetInput<double>(1, ctx);
        const double* currentTime = GetInput<double>(2, ctx);
        const bool due = !fixedTime || !currentTime || *currentTime > *fixedTime;
        if (animation && due) ShowAnimation(OwnerSprite(ctx), *animation);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterChangeAnimationNode() { RegisterNode<ChangeAnimationNode>("ChangeAnimationNode"); }
