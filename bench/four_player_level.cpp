#include "four_player_level.h"

#include <memory>
#include <string>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "input/input_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace {

platform::ScriptedBackend* scripted = nullptr;

constexpr CHARID kCharacters[GameStateManager::kPlayers] = {LadyRed, NinjaRed, BoxerBlue, LadyBlue};

// One player's pattern: half a second per step, so characters cross the level and meet.
constexpr int kStepFrames = 30;
struct Step {
    CONTROL held;
    CONTROL tapped;  // pressed on the step's first frame only
};
constexpr Step kPattern[] = {
    {CONTROL_RIGHT, CONTROL_JUMP}, {CONTROL_RIGHT, CONTROL_PUSH}, {CONTROL_LEFT, CONTROL_SKILL},
    {CONTROL_LEFT, CONTROL_PULL},  {CONTROL_DOWN, CONTROL_JUMP},  {CONTROL_UP, CONTROL_PUSH},
};
constexpr int kSteps = static_cast<int>(sizeof(kPattern) / sizeof(kPattern[0]));

// Runs `body` with the key bindings of each of the four players.
template <class Body>
void ForEachPlayer(const Body& body) {
    auto* input = SystemManager::GetInstance().Get<InputManager>(INPUT_MANAGER);
    if (!input) return;
    for (int player = 0; player < GameStateManager::kPlayers && player < static_cast<int>(input->players.size());
         ++player) {
        body(player, input->players[player]->bindings);
    }
}

void Release(const ControlBindings& keys) {
    for (const Step& any : kPattern) {
        scripted->SetKey(keys.GetKey(any.held), false);
        scripted->SetKey(keys.GetKey(any.tapped), false);
    }
}

}  // namespace

platform::ScriptedBackend& Scripted() { return *scripted; }

bool StartFourPlayerLevel() {
    auto backend = std::make_unique<platform::ScriptedBackend>(true);
    scripted = backend.get();
    platform::Install(std::move(backend));
    if (!StartUp()) return false;
    SystemManager& systems = SystemManager::GetInstance();
    systems.BeginRun();
    systems.BeginPass();
    ChooseFourCharacters();
    GameStateManager::nextState = Level_1;
    if (!systems.EndPass()) return false;
    systems.BeginPass();
    return GameStateManager::currentState == Level_1;
}

void ChooseFourCharacters() {
    for (int player = 0; player < GameStateManager::kPlayers; ++player) {
        GameStateManager::Instance().playerCharacters[player] = kCharacters[player];
    }
}

void DriveFourPlayers(int frame) {
    ForEachPlayer([frame](int player, const ControlBindings& keys) {
        const int shifted = frame + player * 7 * kStepFrames / 4;
        const Step& step = kPattern[(shifted / kStepFrames) % kSteps];
        Release(keys);
        scripted->SetKey(keys.GetKey(step.held), true);
        if (shifted % kStepFrames == 0) scripted->SetKey(keys.GetKey(step.tapped), true);
    });
}

void ReleaseFourPlayers() {
    ForEachPlayer([](int, const ControlBindings& keys) { Release(keys); });
}

std::vector<GameObject*> FourPlayers() {
    GameStateManager& game = GameStateManager::Instance();
    std::vector<GameObject*> found;
    for (int player = 0; player < GameStateManager::kPlayers; ++player) {
        auto name = game.characterNames.find(kCharacters[player]);
        if (name == game.characterNames.end()) continue;
        if (GameObject* character = GameStateManager::FindObjectByName(name->second + std::to_string(player))) {
            found.push_back(character);
        }
    }
    return found;
}

void StopEngine() {
    ResetEngine();
    platform::Uninstall();
    scripted = nullptr;
}
