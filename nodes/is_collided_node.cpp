#include <map>

#include "graph/node_registry.h"
#include "nodes/collision_query.h"

namespace {
// Branches on what the running object touched in the last physics step: a particular object
// named by a graph-wide variable first, then the type outputs in order. The object touched is
// handed to the next node, except for platforms and respawn points.
//
// Everything touched in that step is asked, the first partner first, and the first one this
// graph has a chain for is taken, so a player standing against the character (who has no
// chain) does not hide the ball, a door or a punch. When that first one is a boundary, the
// "Boundary" chain runs for it, and then the first other touch with a chain is taken, or "No
// Collision". The "Boundary" chain runs once at most: the two halves of an edge are touched
// together, and crossing twice would cross back.
class IsCollidedNode : public Node<IsCollidedNode> {
public:
    IsCollidedNode()
        : Node(kIsCollidedNode,
               {"No Collision", "TargetObject", "Platform", "Player", "Attack", "Respawn", "Ball", "Environment", "Door",
                "Boundary"},
               {{"Target Object", VT_GAME_OBJECT}}) {
        inputs[0].isGlobal = true;
        // Types the table lacks count as "Default".
        for (const auto& [index, output] : outputs) outputTypeIds[index] = GameObject::LookUpTypeId(output.name);
        for (int output : {kTarget, 3, 4, 6, 7, 8, kBoundary}) AddCarrier<GameObject*>(output);
    }

    int Execute(AI_Component* ctx) override {
        const GameObject* owner = OwnerOf(ctx);
        const InputNode<GameObject*>* target = GlobalObjectInput(*this, 0, ctx);
        const auto hasChain = [&](const GameObject& touched) { return OutputFor(touched, target) != kNoCollision; };
        GameObject* partner = FindCollisionPartner(owner, hasChain);
        if (partner && OutputFor(*partner, target) == kBoundary) {
            SendData(OutputTarget(kBoundary), kBoundary, partner);
            RunOutput(kBoundary, ctx);
            partner = FindCollisionPartner(owner, [&](const GameObject& touched) {
                return hasChain(touched) && OutputFor(touched, target) != kBoundary;
            });
        }
        if (!partner) return RunOutput(kNoCollision, ctx);
        const int taken = OutputFor(*partner, target);
        SendData(OutputTarget(taken), taken, partner);
        return RunOutput(taken, ctx);
    }

    std::map<int, uint32_t> outputTypeIds;

private:
    static constexpr int kNoCollision = 0;
    static constexpr int kTarget = 1;
    static constexpr int kFirstType = 2;
    static constexpr int kBoundary = 9;

    // The output a touch of `touched` takes: the sought object's, else the first connected type
    // output of its type, else "No Collision".
    int OutputFor(const GameObject& touched, const InputNode<GameObject*>* target) {
        if (target && IsSoughtObject(touched, *target, true)) return kTarget;
        for (int output = kFirstType; output <= kBoundary; ++output) {
            if (touched.typeId == outputTypeIds[output] && OutputTarget(output) != -1) return output;
        }
        return kNoCollision;
    }
};
}  // namespace

void RegisterIsCollidedNode() { RegisterNode<IsCollidedNode>("IsCollidedNode"); }
