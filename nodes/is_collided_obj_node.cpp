#include "graph/node_registry.h"
#include "nodes/collision_query.h"

namespace {
// Whether the running object touched a particular object or, failing that input, any object of
// a type; both inputs count only when bound to graph-wide variables. Everything touched in the
// last physics step is asked, the first partner first; the object found goes on to the node
// after "True".
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
        const InputNode<GameObject*>* particular = GlobalObjectInput(*this, 0, ctx);
        const InputNode<GameObject*>* general = particular ? nullptr : GlobalObjectInput(*this, 1, ctx);
        GameObject* partner = FindCollisionPartner(OwnerOf(ctx), [&](const GameObject& touched) {
            if (particular) return IsSoughtObject(touched, *particular, true);
            return general && IsSoughtObject(touched, *general, false);
        });
        if (!partner) return RunOutput(1, ctx);
        SendData(OutputTarget(0), 0, partner);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterIsCollidedObjNode() { RegisterNode<IsCollidedObjNode>("IsCollidedObjNode"); }
