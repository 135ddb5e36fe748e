#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Only these menu entries have a place for the arrow among the inputs; any other selection
// (the blank entry, "Options", the pages' own entries) leaves the arrow where it is.
bool HasArrowPlace(int selection) {
    return selection >= 0 && selection <= 6 && selection != 4;
}

// Puts the arrow beside the selected menu entry.
class ArrowMovementNode : public Node<ArrowMovementNode> {
public:
    ArrowMovementNode()
        : Node(kArrowMovementNode, {"Next"},
               {{"start", VT_VEC2},
                {"howtoplay", VT_VEC2},
                {"credits", VT_VEC2},
                {"quit", VT_VEC2},
                {"blank", VT_VEC2},
                {"yes", VT_VEC2},
                {"no", VT_VEC2},
                {"ArrowObj", VT_GAME_OBJECT},
                {"selection", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* arrow = GetInput<GameObject*>(7, ctx);
        const int* selection = GetInput<int>(8, ctx);
        Body* body = BodyOf(arrow ? *arrow : nullptr);
        if (body && selection && HasArrowPlace(*selection)) {
            if (const Vec2* place = GetInput<Vec2>(*selection, ctx)) body->shape->SetPosition(*place);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterArrowMovementNode() { RegisterNode<ArrowMovementNode>("ArrowMovementNode"); }
