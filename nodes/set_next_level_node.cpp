#include "graph/behaviour_tree.h"
#include "graph/node_helpers.h"
#include "graph/node_registry.h"

namespace {
// Tells the loading screen where to go: its graph's own "NextLevel", shared by every object
// that runs that graph. Missing anything, nothing is written and the chain stops.
class SetNextLevelNode : public Node<SetNextLevelNode> {
public:
    SetNextLevelNode()
        : Node(kSetNextLevelNode, {"Next"}, {{"State", VT_GAME_STATE}, {"Loading Screen", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        const GameState* state = GetInput<GameState>(0, ctx);
        GameObject* const* screen = GetInput<GameObject*>(1, ctx);
        if (!state || !screen || !*screen) return 0;
        const AI_Component* ai = (*screen)->Get<AI_Component>(AI_COMPONENT);
        if (!ai || !ai->tree) return 0;
        GameState* next = LookupVariableByName<GameState>(ai->tree->globalStore.get(), "NextLevel");
        if (!next) return 0;
        *next = *state;
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterSetNextLevelNode() { RegisterNode<SetNextLevelNode>("SetNextLevelNode"); }
