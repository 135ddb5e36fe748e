#include "graph/node_registry.h"
#include "nodes/look_components.h"
#include "nodes/show_animation.h"

namespace {
// Steps an object through its first "limit" animations in a cycle, keeping the place in
// "currentindex". The remainder keeps the sign of the index, as integer division gives it.
// Anything missing, or a "limit" of 0, skips the step.
class ToggleAnimationNode : public Node<ToggleAnimationNode> {
public:
    ToggleAnimationNode()
        : Node(kToggleAnimationNode, {"Next"},
               {{"AnimationObj", VT_GAME_OBJECT}, {"currentindex", VT_INT}, {"limit", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        int* current = GetInput<int>(1, ctx);
        const int* limit = GetInput<int>(2, ctx);
        Sprite* sprite = object ? SpriteOf(*object) : nullptr;
        if (sprite && current && limit && *limit != 0) {
            // Widened so that the last int does not overflow on its way round.
            const int next = static_cast<int>((static_cast<long long>(*current) + 1) % *limit);
            ShowAnimation(sprite, next);
            *current = next;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterToggleAnimationNode() { RegisterNode<ToggleAnimationNode>("ToggleAnimationNode"); }
