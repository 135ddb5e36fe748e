#include "input/controller.h"

#include <algorithm>
#include <cmath>

#include "core/data_problems.h"
#include "core/system_manager.h"
#include "graphics/game_window.h"
#include "input/fatal_input_error.h"
#include "input/input_manager.h"

namespace {
// A full stick (32767 / 1000 = 32) gives the whole move force.
constexpr float kStickSteps = 0.03125f;
constexpr int kLastDefaultPlayer = PLAYER_4;
}  // namespace

Controller::Controller() : IGameComponent(CONTROLLER) {
    input = SystemManager::GetInstance().Get<InputManager>(INPUT_MANAGER);
    if (input == nullptr) return;
    playerId = input->controllerCount;
    input->controllerCount = std::min(input->controllerCount + 1, kLastDefaultPlayer);
    input->AddController(this);
}

Controller::~Controller() {
    if (input != nullptr) input->RemoveController(this);
}

IGameComponent* Controller::Clone() const {
    auto* copy = new Controller();
    copy->playerId = playerId;
    copy->moveForce = moveForce;
    copy->stickFactor = stickFactor;
    copy->jumpForce = jumpForce;
    return copy;
}

void Controller::Unserialize(const json::Member& member) {
    const json::Value& settings = member.value;
    if (!json::GetInt(json::Find(settings, "playerId"), playerId)) {
        DataProblems::Report("Controller: \"playerId\" must be an integer; player %d keeps it\n", playerId + 1);
    }
    double number = 0.0;
    if (json::GetDouble(json::Find(settings, "moveForce"), number)) {
        moveForce = static_cast<float>(number);
    } else {
        DataProblems::Report("Controller: \"moveForce\" must be a number\n");
    }
    if (json::GetDouble(json::Find(settings, "jumpForce"), number)) {
        jumpForce = static_cast<float>(number);
    } else {
        DataProblems::Report("Controller: \"jumpForce\" must be a number\n");
    }
    stickFactor = moveForce * kStickSteps;
    if (input == nullptr) return;
    playerIndex = input->PlayerIndexOf(playerId);
    input->ActivatePlayer(playerId);
    if (playerIndex >= input->playerCount) ExitPlayerIdDoesNotExist();
    ControlBindings& bindings = input->players[static_cast<size_t>(playerIndex)]->bindings;
    bindings.Load(playerIndex, *input->padDocument, true);
    bindings.Load(playerIndex, *input->keyboardDocument, false);
}

void Controller::Serialize(json::Writer& writer) const {
    writer.StartObject();
    writer.Key("playerId");
    writer.Int(playerId);
    writer.Key("moveForce");
    writer.Double(moveForce);
    writer.Key("jumpForce");
    writer.Double(jumpForce);
    writer.EndObject();
}

void Controller::Update() {
    if (input == nullptr) return;
    if (!windowFound) {
        window = SystemManager::GetInstance().Get<GameWindow>(GAME_WINDOW);
        if (window == nullptr) return;
        windowFound = true;
    }
    if (!window->isActive || window->isMinimized) return;
    controlBits = 0;
    playerIndex = input->PlayerIndexOf(playerId);
    if (!input->IsPlayerActive(playerIndex)) return;

    if (input->IsTriggered(CONTROL_JUMP, playerIndex)) {
        hasInput = true;
        jumpValue = jumpForce;
        controlBits |= kControlFlagJump;
    }
    if (input->IsTriggered(CONTROL_DOWN, playerIndex)) controlBits |= kControlFlagDown;
    if (input->IsPressed(CONTROL_LEFT, playerIndex)) {
        hasInput = true;
        const float stick = input->GetStickValue(CONTROL_LEFT, playerIndex).x;
        leftForce = stick != 0.0f ? stickFactor * stick : -moveForce;
        controlBits |= kControlFlagLeft;
    }
    if (input->IsPressed(CONTROL_RIGHT, playerIndex)) {
        hasInput = true;
        const float stick = input->GetStickValue(CONTROL_RIGHT, playerIndex).x;
        // Whole steps only to the right; the left force keeps its fraction. Levels are tuned
        // to that difference.
        rightForce = stick != 0.0f ? std::trunc(stickFactor * stick) : moveForce;
        controlBits |= kControlFlagRight;
    }
    if (input->IsTriggered(CONTROL_PUSH, playerIndex)) controlBits |= kControlFlagPush;
    if (input->IsTriggered(CONTROL_PULL, playerIndex)) controlBits |= kControlFlagPull;
    if (input->IsTriggered(CONTROL_SKILL, playerIndex)) controlBits |= kControlFlagSkill;
    if (input->IsTriggered(CONTROL_UP, playerIndex)) controlBits |= kControlFlagUp;
    if (input->IsMiscKeyTriggered(MISC_ENTER)) controlBits |= kControlFlagEnter;
    if (input->IsMiscKeyTriggered(MISC_EXIT)) controlBits |= kControlFlagExit;
}
