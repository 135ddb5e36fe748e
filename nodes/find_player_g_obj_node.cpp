#include <string>

#include "graph/ai_manager.h"
#include "graph/node_helpers.h"
#include "graph/node_registry.h"
#include "nodes/own_variable.h"

namespace {
// Finds the object that belongs to the running player, named by a base name followed by its
// team and its place in the team ("Player" + 1 + 2 gives "Player12"), and keeps it in a
// variable. Once found it is not sought again; a failed search is repeated on the next run.
// Without the variable, the base name, the team or the place the chain stops.
class FindPlayerGObjNode : public Node<FindPlayerGObjNode> {
public:
    FindPlayerGObjNode()
        : Node(kFindPlayerGObjNode, {"Next"}, {{"GameObj", VT_GAME_OBJECT}, {"ObjName", VT_STRING}, {"TypeName", VT_STRING}}) {}

    int Execute(AI_Component* ctx) override {
        InputNode<GameObject*>* found = GetInputVariable<GameObject*>(0, ctx);
        if (!found) return 0;
        if (found->value) return RunOutput(0, ctx);
        const std::string* baseName = GetInput<std::string>(1, ctx);
        const std::string* typeName = GetInput<std::string>(2, ctx);
        const int* team = OwnTeam(ctx);
        const int* place = OwnVariable<int>(ctx, "resSeq");
        if (!baseName || !team || !place) return 0;
        const std::string name = *baseName + std::to_string(*team) + std::to_string(*place);
        const AI_Manager* manager = TheAiManager();
        found->value = manager ? manager->FindObject(typeName ? *typeName : "Default", name, AI_Manager::kAllMaps) : nullptr;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterFindPlayerGObjNode() { RegisterNode<FindPlayerGObjNode>("FindPlayerGObjNode"); }
