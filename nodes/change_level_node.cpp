#include "core/message_prototypes.h"
#include "flow/flow_messages.h"
#include "flow/game_state_manager.h"
#include "graph/node_registry.h"

namespace {
// Asks the game to move to another state; the main loop ends the pass at the next frame. The
// chain ends here. Without a state to go to nothing is asked.
class ChangeLevelNode : public Node<ChangeLevelNode> {
public:
    ChangeLevelNode() : Node(kChangeLevelNode, {}, {{"NextLevel", VT_GAME_STATE}}), message_(CloneMessage<ChangeLevelMessage>()) {}

    int Execute(AI_Component* ctx) override {
        const GameState* next = GetInput<GameState>(0, ctx);
        if (!next) return 0;
        // Every change sent this frame reads the one request when delivered: a menu's quit
        // must not be lost to a level change another graph asks for after it.
        GameStateManager::Request(GameStateManager::requestedState, *next);
        message_->Send();
        return 0;
    }

private:
    ChangeLevelMessage* message_;
};
}  // namespace

void RegisterChangeLevelNode() { RegisterNode<ChangeLevelNode>("ChangeLevelNode"); }
