#include "graph/node_helpers.h"
#include "graph/node_registry.h"

namespace {
// Sets a bool variable, named by a string input, of another object.
class SetGameObjBoolNode : public Node<SetGameObjBoolNode> {
public:
    SetGameObjBoolNode()
        : Node(kSetGameObjBoolNode, {"Next"},
               {{"Game Obj", VT_GAME_OBJECT}, {"Set bool to", VT_BOOL}, {"Variable name", VT_STRING}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* object = GetInput<GameObject*>(0, ctx);
        const bool* value = GetInput<bool>(1, ctx);
        const std::string* name = GetInput<std::string>(2, ctx);
        if (object && value && name) {
            if (bool* target = ObjectVariable<bool>(*object, *name)) *target = *value;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetGameObjBoolNode() { RegisterNode<SetGameObjBoolNode>("SetGameObjBoolNode"); }
