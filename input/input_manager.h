#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "core/system.h"
#include "core/vector2d.h"
#include "input/controls.h"
#include "input/player.h"

class BodyPickingMessage;
class Controller;
class GameWindow;
class GraphicGL;

// The input system: polls the keyboard and the four pads once per frame, runs the controllers,
// turns the held left mouse button into picking messages, and answers every input question.
// Every query that takes a player index ends the game (exit code 1) for an index that is not a
// player.
class InputManager : public ISystem {
public:
    // Reads both control files and binds all four players; a control file that cannot be read
    // ends the game with exit code 1.
    InputManager();
    ~InputManager() override;

    bool Init() override;
    bool Update(double dt) override;

    // The control went down this frame (a pad edge, one analog edge per latch, or a key edge).
    bool IsTriggered(CONTROL control, int player);
    // The control is held: a pad input, or a key down over the last two polls.
    bool IsPressed(CONTROL control, int player);
    // The axes of the stick the control's pad binding selects (11 the left, else the right).
    Vec2 GetStickValue(CONTROL control, int player);
    // Any active player triggered the shared key on their pad or the keyboard.
    bool IsMiscKeyTriggered(MISCKEYS key);
    XInput* GetPad(int player);
    bool IsPlayerActive(int player);
    void ActivatePlayer(int playerId);
    // The player index a controller's "playerId" stands for; ids that are not players play as
    // player 0.
    PLAYERID PlayerIndexOf(int playerId) const;
    // Whether a controller's "playerId" stands for a player at all.
    bool HasPlayerId(int playerId) const { return playerIds.count(playerId) != 0; }
    void StopAllVibration();
    void AddController(Controller* controller);
    void RemoveController(Controller* controller);
    // The client area of the game's window; 0 x 0 when there is none.
    void GetClientSize(int& width, int& height) const;
    bool IsAnalogNeutral(int player);

    std::vector<std::unique_ptr<Player>> players;
    std::map<int, PLAYERID> playerIds;
    std::vector<Controller*> controllers;
    GameWindow* window = nullptr;
    uint8_t previousKeys[256] = {};
    uint8_t currentKeys[256] = {};
    std::map<CONTROL, bool (XInput::*)(STICK) const> stickMethods;
    int playerCount = 0;
    int controllerCount = 0;
    const json::Value* keyboardDocument = nullptr;
    const json::Value* padDocument = nullptr;

private:
    Player& CheckedPlayer(int player);
    void CreatePlayers();
    void ReadControlFiles();
    void ApplyBindings();
    void InitStickMethods();
    // The control's stick method on that stick; false for a control that has none.
    bool AskStick(CONTROL control, const XInput& pad, STICK stick) const;
    bool KeyTriggered(uint8_t key) const;
    bool KeyHeld(uint8_t key) const;
    void PostPicking();
    void PollKeyboard();
    void PollPads();

    BodyPickingMessage* picking_ = nullptr;
    GraphicGL* renderer_ = nullptr;
    bool systemsLookedUp_ = false;
};
