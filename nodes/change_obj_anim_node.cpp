#include "graph/node_registry.h"
#include "nodes/look_components.h"
#include "nodes/show_animation.h"

namespace {
// Switches another object's animation.
class ChangeObjAnimNode : public Node<ChangeObjAnimNode> {
public:
    ChangeObjAnimNode() : Node(kChangeObjAnimNode, {"Next"}, {{"Object", VT_GAME_OBJECT}, {"Index", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        const int* index = GetInput<int>(1, ctx);
        if (object && index) ShowAnimation(SpriteOf(*object), *index);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterChangeObjAnimNode() { RegisterNode<ChangeObjAnimNode>("ChangeObjAnimNode"); }
