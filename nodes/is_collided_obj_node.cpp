#include "graph/node_registry.h"
#include "nodes/collision_query.h"

namespace {
// Whether the running object touched a particular object or, failing that input, any object of
// a type; both inputs count only when bound to graph-wide variables. The object touched goes
// on to the node after "True".
class IsCollidedObjNode : public Node<IsCollidedObjNode> {
public:
    IsCollidedObjNode()
        : Node(kIsCollidedObjNode, {"True", "False"},
               {{"Particular Target", VT_GAME_OBJECT}, {"General Object Type", VT_GAME_OBJECT}}) {
        inputs[0].isGlobal = true;
        inputs[1].isGlobal = true;
        AddCarrier<GameObject*>(0);
    }

    int Execute(AI_Component* ctx) override {
        GameObject* partner = CollisionPartner(OwnerOf(ctx));
        if (!partner) return RunOutput(1, ctx);
        bool match = false;
        if (const InputNode<GameObject*>* particular = GlobalObjectInput(*this, 0, ctx)) {
            match = IsSoughtObject(*partner, *particular, true);
        } else if (const InputNode<GameObject*>* general = GlobalObjectInput(*this, 1, ctx)) {
            match = IsSoughtObject(*partner, *general, false);
        }
        if (!match) return RunOutput(1, ctx);
        SendData(OutputTarget(0), 0, partner);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterIsCollidedObjNode() { RegisterNode<IsCollidedObjNode>("IsCollidedObjNode"); }
