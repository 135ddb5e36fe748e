#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/collision_query.h"
#include "nodes/object_receiver.h"
#include "nodes/own_variable.h"

namespace {
// A foe's object of the same kind as `mate` that `self` touched in the last physics step
// together with `mate`; null when `self` did not touch `mate` or touched no such foe.
GameObject* TouchedFoeBeside(const GameObject* self, const GameObject& mate, int team) {
    bool touchedMate = false;
    GameObject* foe = nullptr;
    FindCollisionPartner(self, [&](GameObject& touched) {
        if (&touched == &mate) {
            touchedMate = true;
        } else if (!foe && touched.typeId == mate.typeId) {
            const int* theirs = ObjectVariable<int>(&touched, "Team");
            if (theirs && *theirs != team) foe = &touched;
        }
        return touchedMate && foe;
    });
    return touchedMate ? foe : nullptr;
}

// Whether an object (bound, or else handed over) plays in the running object's team. The
// object goes on to whichever node follows. Without an object, or without both teams, the
// chain stops.
//
// A team check after a touch asks "friend or foe?", and a foe's touch is the one that counts:
// a punch at a foe in the puncher's face touches the puncher too, and a character may touch a
// mate's punch and a foe's at once. So a handed-over object of the running object's own team
// gives way to a foe's object of the same kind touched in the same step.
class IsMyTeamNode : public ReceivesObject<Node<IsMyTeamNode>> {
public:
    IsMyTeamNode() : ReceivesObject(kIsMyTeamNode, {"True", "False"}, {{"target", VT_GAME_OBJECT}}) {
        AddCarrier<GameObject*>(0);
    }

    int Execute(AI_Component* ctx) override {
        GameObject* const* bound = GetInput<GameObject*>(0, ctx);
        const bool handedOver = !bound || !*bound;
        GameObject* target = handedOver ? receivedObject : *bound;
        if (!target) return 0;
        const int* mine = OwnVariable<int>(ctx, "Team");
        const int* theirs = ObjectVariable<int>(target, "Team");
        if (!mine || !theirs) return 0;
        if (*mine == *theirs && handedOver) {
            if (GameObject* foe = TouchedFoeBeside(OwnerOf(ctx), *target, *mine)) {
                SendData(OutputTarget(1), 0, foe);
                return RunOutput(1, ctx);
            }
        }
        const int output = *mine == *theirs ? 0 : 1;
        SendData(OutputTarget(output), 0, target);
        return RunOutput(output, ctx);
    }
};
}  // namespace

void RegisterIsMyTeamNode() { RegisterNode<IsMyTeamNode>("IsMyTeamNode"); }
