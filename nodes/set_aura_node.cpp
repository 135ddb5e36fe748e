#include "graph/node_registry.h"
#include "nodes/body_of.h"

namespace {
// Keeps an aura standing on its character: centred on it, on the same bottom line.
class SetAuraNode : public Node<SetAuraNode> {
public:
    SetAuraNode() : Node(kSetAuraNode, {"Next"}, {{"Obj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const Body* body = OwnerBody(ctx);
        GameObject* const* aura = body ? GetInput<GameObject*>(0, ctx) : nullptr;
        if (Body* auraBody = aura ? BodyOf(*aura) : nullptr) {
            const Vec2 p = body->Position();
            auraBody->shape->SetPosition(p.x, p.y - body->height * 0.5f + auraBody->height * 0.5f);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetAuraNode() { RegisterNode<SetAuraNode>("SetAuraNode"); }
