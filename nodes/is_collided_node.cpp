#include <map>

#include "graph/node_registry.h"
#include "nodes/collision_query.h"

namespace {
// Branches on what the running object touched in the last physics step: a particular object
// named by a graph-wide variable first, then the type outputs in order. The object touched is
// handed to the next node, except for platforms and respawn points. Touching a boundary runs
// the "Boundary" chain and then goes on as if nothing else was touched.
//
// Everything touched in that step is asked, the first partner first: the first one this graph
// has a chain for is taken, so a player standing against the character (who has no chain)
// does not hide the ball, a door or a punch. The "Boundary" chain runs once at most, for the
// first boundary: the two halves of an edge are touched together, and crossing twice would
// cross back.
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
        const InputNode<GameObject*>* target = GlobalObjectInput(*this, 0, ctx);
        int taken = kNoCollision;
        bool crossed = false;
        GameObject* partner = FindCollisionPartner(OwnerOf(ctx), [&](GameObject& touched) {
            if (target && IsSoughtObject(touched, *target, true)) {
                taken = kTarget;
                return true;
            }
            for (int output = kFirstType; output <= kBoundary; ++output) {
                if (touched.typeId != outputTypeIds[output] || OutputTarget(output) == -1) continue;
                if (output != kBoundary) {
                    taken = output;
                    return true;
                }
                if (crossed) continue;
                crossed = true;
                SendData(OutputTarget(output), output, &touched);
                RunOutput(output, ctx);
            }
            return false;
        });
        if (!partner) return RunOutput(kNoCollision, ctx);
        SendData(OutputTarget(taken), taken, partner);
        return RunOutput(taken, ctx);
    }

    std::map<int, uint32_t> outputTypeIds;

private:
    static constexpr int kNoCollision = 0;
    static constexpr int kTarget = 1;
    static constexpr int kFirstType = 2;
    static constexpr int kBoundary = 9;
};
}  // namespace

void RegisterIsCollidedNode() { RegisterNode<IsCollidedNode>("IsCollidedNode"); }
