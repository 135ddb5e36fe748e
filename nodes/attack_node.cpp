#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/attack_pool.h"
#include "nodes/body_of.h"
#include "nodes/facing.h"
#include "nodes/look_components.h"

namespace {
// Launches a free attack copy from the character's middle, the way it faces, at
// "AttackForce", for the character's team, remembering where it started so that its own graph
// can retire it once out of range. Fires once "CurrCooldown" has reached "Cooldown"; every
// "AttackCount"-th attack starts the cooldown again.
class AttackNode : public Node<AttackNode> {
public:
    AttackNode()
        : Node(kAttackNode, {"Next"},
               {{"AttackForce", VT_DOUBLE},
                {"AttackCount", VT_INT},
                {"Cooldown", VT_DOUBLE},
                {"AttackObj", VT_GAME_OBJECT},
                {"CurrAttkCount", VT_INT},
                {"CurrCooldown", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const double* force = GetInput<double>(0, ctx);
        const int* attacksPerCooldown = GetInput<int>(1, ctx);
        const double* cooldown = GetInput<double>(2, ctx);
        const InputNode<GameObject*>* wanted = GetInputVariable<GameObject*>(3, ctx);
        int* attacks = GetInput<int>(4, ctx);
        double* sinceCooldown = GetInput<double>(5, ctx);
        if (!force || !attacksPerCooldown || !cooldown || !wanted || !attacks || !sinceCooldown) return 0;
        if (*cooldown > *sinceCooldown) return 0;

        // Both the attacker and the copy are checked before the copy leaves the pool: a copy
        // switched on that cannot be placed would hang where it was, lost to the pool.
        const Sprite* sprite = OwnerSprite(ctx);
        const Body* body = OwnerBody(ctx);
        const int* team = OwnTeam(ctx);
        if (!sprite || !body || !team) return 0;
        GameObject* attack = FreeAttackCopy(wanted->GetSearchTerm(0), wanted->GetSearchTerm(1));
        Body* attackBody = BodyOf(attack);
        int* attackTeam = TeamOf(attack);
        Vec2* origin = ObjectVariable<Vec2>(attack, "OrigPos");
        if (!attackBody || !attackTeam || !origin) return 0;
        attack->SetActive(true);

        const bool left = FacesLeft(*sprite);
        if (Sprite* look = SpriteOf(attack)) look->scaleX = left ? -1.0f : 1.0f;
        // The punch starts with its back on the character's middle, not beyond his front: a foe
        // who stands in his face, overlapping him, is in its way from the first step.
        const Vec2 p = body->Position();
        const float ahead = attackBody->width * 0.5f;
        const Vec2 launch(left ? p.x - ahead : p.x + ahead, p.y + body->height * 0.125f);
        *attackTeam = *team;
        *origin = launch;
        attackBody->shape->SetPosition(launch);
        const float speed = static_cast<float>(*force);
        attackBody->velX = left ? -speed : speed;

        // At or past the count: a count lowered between attacks still starts the cooldown.
        if (++*attacks >= *attacksPerCooldown) {
            *sinceCooldown = 0.0;
            *attacks = 0;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterAttackNode() { RegisterNode<AttackNode>("AttackNode"); }
