#include "flow/game_state_manager.h"
#include "graph/node_registry.h"
#include "input/controller.h"
#include "nodes/look_components.h"

namespace {
bool IsCharacter(int selection) { return selection >= LadyRed && selection <= NinjaBlue && selection != None; }

// A player confirms their pick (or withdraws it): the pick becomes the character they will
// play, the count of confirmed players follows, and the portrait stops (or starts) its
// animation. Picking "None" confirms nothing and ends the chain. Without the player's inputs
// or controller there is no one to confirm for, and the chain stops.
class ConfirmCharNode : public Node<ConfirmCharNode> {
public:
    ConfirmCharNode()
        : Node(kConfirmCharNode, {"Next if not none"},
               {{"confirm count", VT_INT}, {"inc/dec", VT_BOOL}, {"myconfirm", VT_BOOL}, {"selection", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        int* count = GetInput<int>(0, ctx);
        const bool* confirm = GetInput<bool>(1, ctx);
        bool* confirmed = GetInput<bool>(2, ctx);
        const int* selection = GetInput<int>(3, ctx);
        const GameObject* owner = OwnerOf(ctx);
        const Controller* controller = owner ? owner->Get<Controller>(CONTROLLER) : nullptr;
        if (!count || !confirm || !confirmed || !selection || !controller) return 0;
        Sprite* sprite = OwnerSprite(ctx);
        auto& characters = GameStateManager::Instance().playerCharacters;

        if (*confirm) {
            if (!IsCharacter(*selection)) return 0;
            if (!*confirmed) {
                *confirmed = true;
                ++*count;
                if (sprite) sprite->state.animId = 0;
                characters[controller->playerId] = static_cast<CHARID>(*selection);
            }
        } else if (*confirmed) {
            *confirmed = false;
            --*count;
            if (sprite) sprite->state.animId = 1;
            characters[controller->playerId] = None;
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterConfirmCharNode() { RegisterNode<ConfirmCharNode>("ConfirmCharNode"); }
