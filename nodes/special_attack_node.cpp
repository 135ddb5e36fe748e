#include <string>

#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/attack_pool.h"
#include "nodes/body_of.h"

namespace {
constexpr float kStrikeDistance = 120.0f;

// A free skill copy that can stand beside the Boxer and fight for a team, switched on; null
// when none is free.
GameObject* TakeStrike(const std::string& typeName, const std::string& objectName) {
    GameObject* strike = FreeAttackCopy(typeName, objectName);
    if (!BodyOf(strike) || !TeamOf(strike)) return nullptr;
    strike->SetActive(true);
    return strike;
}

// The Boxer's double strike: once "Curr Cooldown" has passed "Cooldown", a skill object
// appears on each side of him, fighting for his team. Both objects share the left one's type.
class SpecialAttackNode : public Node<SpecialAttackNode> {
public:
    SpecialAttackNode()
        : Node(kSpecialAttackNode, {"Next"},
               {{"BoxerSkillObjectLeft", VT_GAME_OBJECT},
                {"BoxerSkillObjectRight", VT_GAME_OBJECT},
                {"Cooldown", VT_DOUBLE},
                {"Curr Cooldown", VT_DOUBLE}}) {}

    int Execute(AI_Component* ctx) override {
        const InputNode<GameObject*>* leftWanted = GetInputVariable<GameObject*>(0, ctx);
        const InputNode<GameObject*>* rightWanted = GetInputVariable<GameObject*>(1, ctx);
        const double* cooldown = GetInput<double>(2, ctx);
        double* sinceCooldown = GetInput<double>(3, ctx);
        // A strike that cannot happen (no right-hand object, no body, no team) costs no cooldown.
        if (!leftWanted || !rightWanted || !cooldown || !sinceCooldown) return 0;
        if (!(*sinceCooldown > *cooldown)) return 0;
        const Body* body = OwnerBody(ctx);
        const int* team = OwnTeam(ctx);
        if (!body || !team) return 0;
        *sinceCooldown = 0.0;

        const std::string typeName = leftWanted->GetSearchTerm(0);
        GameObject* left = TakeStrike(typeName, leftWanted->GetSearchTerm(1));
        GameObject* right = TakeStrike(typeName, rightWanted->GetSearchTerm(1));
        if (!left || !right) return 0;
        *TeamOf(left) = *team;
        *TeamOf(right) = *team;
        const Vec2 p = body->Position();
        BodyOf(left)->shape->SetPosition(p.x - kStrikeDistance, p.y);
        BodyOf(right)->shape->SetPosition(p.x + kStrikeDistance, p.y);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSpecialAttackNode() { RegisterNode<SpecialAttackNode>("SpecialAttackNode"); }
