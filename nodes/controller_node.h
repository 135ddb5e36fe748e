#pragma once

#include "core/system_manager.h"
#include "graph/node.h"
#include "graph/node_helpers.h"
#include "input/controller.h"
#include "input/input_manager.h"

// The input system of the running engine; null when none is registered. Looked up on every
// run rather than kept, so a node never holds on to a system that has shut down.
inline InputManager* TheInputManager() { return SystemManager::GetInstance().Get<InputManager>(INPUT_MANAGER); }

// The running object's controller; null when the object has none or it is hidden.
inline Controller* OwnerController(const AI_Component* ctx) {
    GameObject* owner = OwnerOf(ctx);
    return owner ? owner->Get<Controller>(CONTROLLER) : nullptr;
}

// The player index a "playerId" stands for, mapped the way a controller's own update maps it.
// False when that is no player at all, so a stray id in a level file never ends the game from
// inside a graph.
inline bool PlayerOfId(const InputManager& input, int playerId, int& player) {
    player = input.PlayerIndexOf(playerId);
    return player >= 0 && player < input.playerCount && player < static_cast<int>(input.players.size());
}

// The pad of the player who controls the running object; null without a controller, an input
// system, or such a player.
inline XInput* OwnerPad(const AI_Component* ctx) {
    Controller* controller = OwnerController(ctx);
    InputManager* input = TheInputManager();
    int player = 0;
    if (!controller || !input || !PlayerOfId(*input, controller->playerId, player)) return nullptr;
    return input->players[static_cast<size_t>(player)]->pad.get();
}

// "True" (output 0) when Derived::Holds(the running object's controller) holds, else "False".
// Holds receives null for an object without a controller.
template <class Derived>
class ControllerTestNode : public Node<Derived> {
public:
    explicit ControllerTestNode(NODE_TYPE type) : Node<Derived>(type, {"True", "False"}, {}) {}

    int Execute(AI_Component* ctx) override {
        return this->RunOutput(Derived::Holds(OwnerController(ctx)) ? 0 : 1, ctx);
    }
};
