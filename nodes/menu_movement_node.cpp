#include "graph/node_registry.h"
#include "nodes/controller_node.h"
#include "nodes/menu_item_node.h"
#include "platform/pads.h"

namespace {
// The rings the cursor runs through. Items that are not listed ("Credits Back", or a value
// that is no item) stay where they are.
constexpr struct {
    int item, next, previous;
} kRings[] = {
    {kMenuStart, kMenuHowToPlay, kMenuQuit},       {kMenuHowToPlay, kMenuOptions, kMenuStart},
    {kMenuOptions, kMenuCredits, kMenuHowToPlay},  {kMenuCredits, kMenuQuit, kMenuOptions},
    {kMenuQuit, kMenuStart, kMenuCredits},         {kMenuYes, kMenuNo, kMenuNo},
    {kMenuNo, kMenuYes, kMenuYes},                 {kMenuHowToBack, kMenuHowToNext, kMenuHowToNext},
    {kMenuHowToNext, kMenuHowToBack, kMenuHowToBack}, {kMenuOptionsBack, kMenuFullScreen, kMenuVolumeDown},
    {kMenuFullScreen, kMenuVolumeUp, kMenuOptionsBack}, {kMenuVolumeUp, kMenuVolumeDown, kMenuFullScreen},
    {kMenuVolumeDown, kMenuOptionsBack, kMenuVolumeUp},
};

int NextItem(int item) {
    for (const auto& ring : kRings) {
        if (ring.item == item) return ring.next;
    }
    return item;
}

int PreviousItem(int item) {
    for (const auto& ring : kRings) {
        if (ring.item == item) return ring.previous;
    }
    return item;
}

constexpr uint16_t kPadBackward = platform::kPadDpadUp | platform::kPadDpadLeft;
constexpr uint16_t kPadForward = platform::kPadDpadDown | platform::kPadDpadRight;

// Moves a menu cursor on any player's controls and follows the chosen item on confirm.
// Without a cursor variable there is nothing to move and nothing runs.
class MenuMovementNode : public MenuItemNode<MenuMovementNode> {
public:
    MenuMovementNode() : MenuItemNode(kMenuMovementNode, {{"selection", VT_INT}}) {}

    int Execute(AI_Component* ctx) override {
        int* selection = GetInput<int>(0, ctx);
        InputManager* input = TheInputManager();
        if (!selection || !input) return 0;
        int item = *selection;

        for (int id = 0; id < kPlayerSlots; ++id) {
            int player = 0;
            if (!PlayerOfId(*input, id, player)) continue;
            if (input->IsTriggered(CONTROL_UP, player) || input->IsTriggered(CONTROL_LEFT, player)) {
                item = PreviousItem(item);
                break;
            }
            if (input->IsTriggered(CONTROL_DOWN, player) || input->IsTriggered(CONTROL_RIGHT, player)) {
                item = NextItem(item);
                break;
            }
            if (input->IsTriggered(CONTROL_JUMP, player)) return RunOutput(item, ctx);
        }

        // The D-pad moves menus whatever it is bound to; this may step a second time in the
        // same frame, which menus have always done.
        for (const auto& player : input->players) {
            const XInput& pad = *player->pad;
            const uint16_t pressed = pad.current.buttons & static_cast<uint16_t>(~pad.previous.buttons);
            if ((pressed & kPadBackward) != 0) {
                item = PreviousItem(item);
                break;
            }
            if ((pressed & kPadForward) != 0) {
                item = NextItem(item);
                break;
            }
        }

        *selection = item;
        if (input->IsMiscKeyTriggered(MISC_ENTER)) return RunOutput(item, ctx);
        if (input->IsMiscKeyTriggered(MISC_EXIT)) return RunOutput(kMenuCreditsBack, ctx);
        return 0;
    }
};
}  // namespace

void RegisterMenuMovementNode() { RegisterNode<MenuMovementNode>("MenuMovementNode"); }
