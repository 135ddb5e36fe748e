#include "input/input_manager.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/data_problems.h"
#include "core/json_file.h"
#include "core/message_prototypes.h"
#include "core/system_manager.h"
#include "graphics/game_window.h"
#include "graphics/graphic_gl.h"
#include "input/controller.h"
#include "input/fatal_input_error.h"
#include "input/mouse_position.h"
#include "physics/body_picking_message.h"
#include "physics/picking.h"
#include "platform/keyboard_mouse.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"

namespace {

// A control file made up empty would start the game with no controls at all: one that is not
// there is as fatal as one that does not parse.
bool ReadControlFile(JsonFile& reader, const char* path) {
    if (reader.Read(path, IfMissing::kRefuse)) return true;
    if (reader.Missing()) DataProblems::Report("%s: missing\n", path);
    return false;
}

constexpr int kDefaultLogicalWidth = 1280;
constexpr int kDefaultLogicalHeight = 720;
}  // namespace

InputManager::InputManager() : ISystem(INPUT_MANAGER) {
    PollKeyboard();
    CreatePlayers();
    PollKeyboard();
    for (int id = 0; id < kPlayerSlots; ++id) playerIds[id] = static_cast<PLAYERID>(id);
    ReadControlFiles();
    ApplyBindings();
    picking_ = CloneMessage<BodyPickingMessage>();
}

InputManager::~InputManager() {
    StopAllVibration();
    // Controllers can outlive the system at shut-down; they must not call back into it.
    for (Controller* controller : controllers) controller->input = nullptr;
}

bool InputManager::Init() {
    InitStickMethods();
    return true;
}

void InputManager::CreatePlayers() {
    while (static_cast<int>(players.size()) < kPlayerSlots) {
        players.push_back(std::make_unique<Player>(static_cast<int>(players.size())));
        ++playerCount;
    }
}

void InputManager::ReadControlFiles() {
    if (players.empty()) ExitPlayerIdDoesNotExist();
    ControlBindings& first = players[0]->bindings;
    if (!ReadControlFile(first.keyboardReader, kKeyboardControlFile)) {
        std::printf("Failed to open json for keyboard control\n");
        std::fflush(stdout);
        std::exit(1);
    }
    keyboardDocument = &first.keyboardReader.Doc();
    if (!ReadControlFile(first.padReader, kPadControlFile)) {
        std::printf("Failed to open json for xbox control\n");
        std::fflush(stdout);
        std::exit(1);
    }
    padDocument = &first.padReader.Doc();
}

void InputManager::ApplyBindings() {
    // Each file's problems are told in a few lines, however many players it fails.
    DataProblems::Reading padReading(kPadControlFile);
    DataProblems::Reading keyboardReading(kKeyboardControlFile);
    for (int id = 0; id < kPlayerSlots; ++id) {
        Player& player = CheckedPlayer(PlayerIndexOf(id));
        player.isInactive = false;
        player.bindings.Load(player.index, *padDocument, true, kPadControlFile);
        player.bindings.Load(player.index, *keyboardDocument, false, kKeyboardControlFile);
    }
}

void InputManager::InitStickMethods() {
    stickMethods[CONTROL_UP] = &XInput::IsStickUp;
    stickMethods[CONTROL_LEFT] = &XInput::IsStickLeft;
    stickMethods[CONTROL_RIGHT] = &XInput::IsStickRight;
    stickMethods[CONTROL_DOWN] = &XInput::IsStickDown;
}

Player& InputManager::CheckedPlayer(int player) {
    if (player < 0 || player >= playerCount) ExitPlayerIdDoesNotExist();
    return *players[static_cast<size_t>(player)];
}

PLAYERID InputManager::PlayerIndexOf(int playerId) const {
    auto found = playerIds.find(playerId);
    return found != playerIds.end() ? found->second : PLAYER_1;
}

bool InputManager::AskStick(CONTROL control, const XInput& pad, STICK stick) const {
    auto method = stickMethods.find(control);
    // Only the four directions can be read off a stick; the pad reports nothing for others.
    if (method == stickMethods.end() || method->second == nullptr) return false;
    return (pad.*(method->second))(stick);
}

bool InputManager::KeyTriggered(uint8_t key) const {
    return (currentKeys[key] & platform::kKeyDown) != 0 && (previousKeys[key] & platform::kKeyDown) == 0;
}

bool InputManager::KeyHeld(uint8_t key) const {
    return (currentKeys[key] & platform::kKeyDown) != 0 && (previousKeys[key] & platform::kKeyDown) != 0;
}

bool InputManager::IsAnalogNeutral(int player) { return CheckedPlayer(player).pad->IsAnalogNeutral(); }

bool InputManager::IsTriggered(CONTROL control, int playerIndex) {
    Player& player = CheckedPlayer(playerIndex);
    XInput& pad = *player.pad;
    if (player.isConnected) {
        const uint16_t value = player.bindings.GetButton(control);
        if (IsAnalogPadValue(value)) {
            const bool down = value >= kPadLeftStickValue
                                  ? AskStick(control, pad, value == kPadLeftStickValue ? LEFT_STICK : RIGHT_STICK)
                                  : pad.IsTriggerDown(value);
            if (down && !player.analogLatch) {
                player.analogLatch = true;
                return true;
            }
            if (pad.IsAnalogNeutral()) player.analogLatch = false;
        } else if (pad.IsButtonTriggered(value)) {
            return true;
        }
    }
    return KeyTriggered(player.bindings.GetKey(control));
}

bool InputManager::IsPressed(CONTROL control, int playerIndex) {
    Player& player = CheckedPlayer(playerIndex);
    XInput& pad = *player.pad;
    if (player.isConnected) {
        const uint16_t value = player.bindings.GetButton(control);
        bool held = false;
        if (value == kPadLeftStickValue || value == kPadRightStickValue) {
            held = AskStick(control, pad, value == kPadLeftStickValue ? LEFT_STICK : RIGHT_STICK);
        } else if (value == kPadLeftTriggerValue || value == kPadRightTriggerValue) {
            held = pad.IsTriggerDown(value);
        } else {
            held = pad.IsButtonHeld(value);
        }
        if (held) return true;
    }
    return KeyHeld(player.bindings.GetKey(control));
}

Vec2 InputManager::GetStickValue(CONTROL control, int playerIndex) {
    Player& player = CheckedPlayer(playerIndex);
    const uint16_t value = player.bindings.GetButton(control);
    int x = 0, y = 0;
    player.pad->GetStickAxes(x, y, value == kPadLeftStickValue ? LEFT_STICK : RIGHT_STICK);
    return Vec2(static_cast<float>(x), static_cast<float>(y));
}

bool InputManager::IsMiscKeyTriggered(MISCKEYS key) {
    for (auto& player : players) {
        if (player->isInactive) continue;
        if (player->isConnected && player->pad->IsButtonTriggered(player->bindings.GetMiscButton(key))) return true;
        if (KeyTriggered(player->bindings.GetMiscKey(key))) return true;
    }
    return false;
}

XInput* InputManager::GetPad(int player) { return CheckedPlayer(player).pad.get(); }

bool InputManager::IsPlayerActive(int player) { return !CheckedPlayer(player).isInactive; }

void InputManager::ActivatePlayer(int playerId) { CheckedPlayer(PlayerIndexOf(playerId)).isInactive = false; }

void InputManager::StopAllVibration() {
    for (auto& player : players) {
        if (player->isConnected) player->pad->SetVibration(0, 0);
    }
}

void InputManager::AddController(Controller* controller) { controllers.push_back(controller); }

void InputManager::RemoveController(Controller* controller) {
    controllers.erase(std::remove(controllers.begin(), controllers.end(), controller), controllers.end());
    controllerCount = std::max(0, controllerCount - 1);
}

void InputManager::GetClientSize(int& width, int& height) const {
    width = window != nullptr ? window->GetClientWidth() : 0;
    height = window != nullptr ? window->GetClientHeight() : 0;
}

void InputManager::PostPicking() {
    int clientWidth = 0, clientHeight = 0;
    GetClientSize(clientWidth, clientHeight);
    // No client area (no window yet, or minimised): there is no point under the mouse.
    if (clientWidth <= 0 || clientHeight <= 0) return;
    const int logicalWidth = renderer_ != nullptr && renderer_->logicalWidth > 0 ? renderer_->logicalWidth
                                                                                : kDefaultLogicalWidth;
    const int logicalHeight = renderer_ != nullptr && renderer_->logicalHeight > 0 ? renderer_->logicalHeight
                                                                                  : kDefaultLogicalHeight;
    CameraView view;
    if (renderer_ != nullptr) {
        // The same scale the projection draws with, so a click lands on what is drawn under it.
        view.scale = renderer_->camera.WorldUnitsPerPixel();
        view.panX = renderer_->camera.simPerps[12];
        view.panY = renderer_->camera.simPerps[13];
    }
    const Vec2 point =
        WorldPointFromMouse(MousePosition(), clientWidth, clientHeight, logicalWidth, logicalHeight, view);
    picking_->x = point.x;
    picking_->y = point.y;
    picking_->Post();
}

void InputManager::PollKeyboard() {
    std::copy(std::begin(currentKeys), std::end(currentKeys), std::begin(previousKeys));
    platform::Current().GetKeyboardMouse().GetKeyboardState(currentKeys);
}

void InputManager::PollPads() {
    for (auto& player : players) {
        if (!player->isInactive) {
            if (player->isConnected) {
                player->pad->Poll();
                if (!player->wasConnected) {
                    player->wasConnected = true;
                    std::printf("XBox console connected for player %d\n", player->index + 1);
                    std::fflush(stdout);
                }
            } else if (player->wasConnected) {
                player->wasConnected = false;
                std::printf("XBox console disconnected for player %d\n", player->index + 1);
                std::fflush(stdout);
            }
        }
        const bool connected = player->pad->IsConnected();
        // A pad that went away must not leave its last sticks and buttons behind.
        if (player->isConnected && !connected) player->pad->ClearState();
        player->isConnected = connected;
    }
}

bool InputManager::Update(double) {
    if (!systemsLookedUp_) {
        window = SystemManager::GetInstance().Get<GameWindow>(GAME_WINDOW);
        renderer_ = SystemManager::GetInstance().Get<GraphicGL>(GRAPHIC_GL);
        systemsLookedUp_ = true;
    }
    if (window != nullptr && (!window->isActive || window->isMinimized)) return true;
    // By index: a controller's update never adds or removes controllers, but stay safe if one did.
    for (size_t i = 0; i < controllers.size(); ++i) {
        if (controllers[i]->active) controllers[i]->Update();
    }
    if ((currentKeys[platform::vk::kLButton] & platform::kKeyDown) != 0) {
        PostPicking();
    } else if ((previousKeys[platform::vk::kLButton] & platform::kKeyDown) != 0) {
        PickedBody = nullptr;
    }
    PollKeyboard();
    PollPads();
    return true;
}
