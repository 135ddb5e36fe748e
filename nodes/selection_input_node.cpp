#include "graph/node_registry.h"
#include "nodes/controller_node.h"

namespace {
enum Output { kEnter = 0, kBack = 1 };

// Graph files link by index, and theirs expect "Right" on output 2 (labelled "Left") and
// "Left" on output 3 (labelled "Right"): keep the pairing, not the labels.
constexpr struct {
    CONTROL control;
    int output;
} kDirections[] = {{CONTROL_RIGHT, 2}, {CONTROL_LEFT, 3}, {CONTROL_UP, 4}, {CONTROL_DOWN, 5}};

// Moves a player's cursor in a selection screen. Without a controller there is no player to
// follow and nothing runs.
class SelectionInputNode : public Node<SelectionInputNode> {
public:
    SelectionInputNode()
        : Node(kSelectionInputNode, {"Enter/Jump", "Back", "Left", "Right", "Up", "Down"}, {}) {}

    int Execute(AI_Component* ctx) override {
        const Controller* controller = OwnerController(ctx);
        if (!controller) return 0;
        if ((controller->controlBits & kControlFlagJump) != 0) return RunOutput(kEnter, ctx);
        InputManager* input = TheInputManager();
        if ((input && input->IsMiscKeyTriggered(MISC_EXIT)) || (controller->controlBits & kControlFlagPull) != 0) {
            return RunOutput(kBack, ctx);
        }
        int player = 0;
        if (!input || !PlayerOfId(*input, controller->playerId, player)) return 0;
        for (const auto& direction : kDirections) {
            if (input->IsTriggered(direction.control, player)) return RunOutput(direction.output, ctx);
        }
        return 0;
    }
};
}  // namespace

void RegisterSelectionInputNode() { RegisterNode<SelectionInputNode>("SelectionInputNode"); }
