#include <map>

#include "graph/node_registry.h"
#include "nodes/collision_query.h"

namespace {
// Branches on what the running object touched in the last physics step: a particular object
// named by a graph-wide variable first, then the type outputs in order. The object touched is
// handed to the next node, except for platforms and respawn points. Touching a boundary runs
// the "Boundary" chain and then goes on as if nothing else was touched.
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
        GameObject* partner = CollisionPartner(OwnerOf(ctx));
        if (!partner) return RunOutput(kNoCollision, ctx);
        if (const InputNode<GameObject*>* target = GlobalObjectInput(*this, 0, ctx);
            target && IsSoughtObject(*partner, *target, true)) {
            SendData(OutputTarget(kTarget), kTarget, partner);
            return RunOutput(kTarget, ctx);
        }
        for (int output = kFirstType; output <= kBoundary; ++output) {
            if (partner->typeId != outputTypeIds[output] || OutputTarget(output) == -1) continue;
            SendData(OutputTarget(output), output, partner);
            if (output != kBoundary) return RunOutput(output, ctx);
            RunOutput(output, ctx);
        }
        return RunOutput(kNoCollision, ctx);
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
