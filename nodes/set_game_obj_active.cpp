#include "core/game_object.h"
#include "graph/node_registry.h"

namespace {
// Switches another object on or off; its hidden components stay off.
class SetGameObjActive : public Node<SetGameObjActive> {
public:
    SetGameObjActive()
        : Node(kSetGameObjActive, {"Next"}, {{"Game Object", VT_GAME_OBJECT}, {"Activeness", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        const bool* active = GetInput<bool>(1, ctx);
        if (object && *object && active) (*object)->SetActive(*active);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetGameObjActive() { RegisterNode<SetGameObjActive>("SetGameObjActive"); }
