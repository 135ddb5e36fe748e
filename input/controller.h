#pragma once

#include <cstdint>

#include "core/game_component.h"
#include "input/controller_listener.h"
#include "input/controls.h"

class GameWindow;
class InputManager;

// Ties a game object to one player: every frame the input system turns that player's controls
// into flags (see the kControlFlag constants) and forces, which behaviour nodes read in the
// next frame's graph run.
class Controller : public IGameComponent {
public:
    // Takes the next default player id (0, 1, 2, then 3 for every later one) and joins the
    // input system's list.
    Controller();
    ~Controller() override;
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    IGameComponent* Clone() const override;
    // Reads "playerId", "moveForce" and "jumpForce", activates the player and binds its
    // controls again.
    void Unserialize(const json::Member& member) override;
    void Serialize(json::Writer& writer) const override;
    // Rebuilds the flags and forces from the player's controls.
    void Update();

    uint32_t controlBits = 0;
    float leftForce = 0.0f;
    float rightForce = 0.0f;
    float jumpValue = 0.0f;
    int playerId = 0;
    // Set once the player has moved or jumped; never cleared here.
    bool hasInput = false;
    // Owned by the jump node.
    bool isJumping = false;
    float stickFactor = 0.0f;
    float moveForce = 0.0f;
    float jumpForce = 0.0f;
    ControllerListener listener{this};
    bool windowFound = false;
    // Null when there is no input system, or once it has shut down.
    InputManager* input = nullptr;
    GameWindow* window = nullptr;
    PLAYERID playerIndex = PLAYER_1;
};
