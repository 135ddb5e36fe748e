#include "graph/node_registry.h"
#include "nodes/attack_pool.h"
#include "nodes/body_of.h"
#include "nodes/facing.h"
#include "nodes/look_components.h"
#include "nodes/own_variable.h"

namespace {
// The Lady's shield: once "Current Cooldown" has passed "Cooldown", a free shield copy stands
// in front of her, a full body width away, and belongs to her player slot. "Reflect Force"
// must be bound, though the shield's own graph does the reflecting.
class SpecialLadyNode : public Node<SpecialLadyNode> {
public:
    SpecialLadyNode()
        : Node(kSpecialLadyNode, {"Next"},
               {{"Shield Object", VT_GAME_OBJECT},
                {"Reflect Force", VT_DOUBLE},
                {"Cooldown", VT_DOUBLE},
                {"Current Cooldown", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const InputNode<GameObject*>* wanted = GetInputVariable<GameObject*>(0, ctx);
        const double* reflectForce = GetInput<double>(1, ctx);
        const double* cooldown = GetInput<double>(2, ctx);
        double* sinceCooldown = GetInput<double>(3, ctx);
        if (!wanted || !reflectForce || !cooldown || !sinceCooldown) return 0;
        if (!(*sinceCooldown > *cooldown)) return 0;
        // Checked before the cooldown is spent and a copy is taken: without a body or a facing
        // there is nowhere to put the shield.
        const Body* body = OwnerBody(ctx);
        const Sprite* sprite = OwnerSprite(ctx);
        if (!body || !sprite) return 0;
        *sinceCooldown = 0.0;

        GameObject* shield = FreeAttackCopy(wanted->GetSearchTerm(0), wanted->GetSearchTerm(1));
        Body* shieldBody = BodyOf(shield);
        if (!shieldBody) return 0;
        shield->SetActive(true);
        const Vec2 p = body->Position();
        const float ahead = body->width + shieldBody->width * 0.5f;
        shieldBody->shape->SetPosition(FacesLeft(*sprite) ? p.x - ahead : p.x + ahead, p.y);
        const int* seq = OwnVariable<int>(ctx, "resSeq");
        int* shieldSeq = ObjectVariable<int>(shield, "resSeq");
        if (seq && shieldSeq) *shieldSeq = *seq;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSpecialLadyNode() { RegisterNode<SpecialLadyNode>("SpecialLadyNode"); }
