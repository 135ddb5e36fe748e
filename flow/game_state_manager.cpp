#include "flow/game_state_manager.h"

#include <vector>

#include "audio/sound_system.h"
#include "core/composite_factory.h"
#include "core/data_problems.h"
#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "core/system_manager.h"
#include "flow/flow_messages.h"
#include "graph/ai_manager.h"
#include "graphics/graphic_gl.h"
#include "input/input_manager.h"
#include "physics/body.h"
#include "physics/collision_message.h"
#include "physics/physics.h"

GameState GameStateManager::currentState = MainMenu;
GameState GameStateManager::nextState = MainMenu;
GameState GameStateManager::previousState = MainMenu;
GameState GameStateManager::requestedState = MainMenu;
int GameStateManager::requestedScene = 1;
bool GameStateManager::isPaused = false;
std::map<GameState, std::string> GameStateManager::stateNames;

namespace {

class GameStateManagerListener : public IListener {
public:
    void HandleMessage(IMessage* message) override { GameStateManager::HandleMessage(message); }
};

GameStateManagerListener& Listener() {
    static GameStateManagerListener listener;
    return listener;
}

AI_Manager* FindAiManager() { return SystemManager::GetInstance().Get<AI_Manager>(AI_MANAGER); }

// Graph variables that name objects are bound to this level's objects, then the level
// object takes over the level data saved at the reset.
void HandOverGraphVariables(std::array<ObjectMap, GameStateManager::kObjectMaps>& objectMaps) {
    AI_Manager* ai = FindAiManager();
    if (!ai) return;
    ai->objectMaps = &objectMaps;
    std::vector<int> ids;
    for (const auto& [id, tree] : ai->registry.Trees()) ids.push_back(id);
    for (int id : ids) ai->BindTreeVariables(id);
    ai->RestoreLevelData();
}

void StopPadVibration() {
    if (auto* input = SystemManager::GetInstance().Get<InputManager>(INPUT_MANAGER)) input->StopAllVibration();
}

void SetPhysicsPaused(bool paused) {
    if (auto* physics = SystemManager::GetInstance().Get<Physics>(PHYSICS)) {
        physics->paused = paused;
    }
}

}  // namespace

GameStateManager::GameStateManager() {
    characterNames = {{LadyRed, "LadyRed"},   {BoxerRed, "BoxerRed"},   {NinjaRed, "NinjaRed"}, {None, "None"},
                      {LadyBlue, "LadyBlue"}, {BoxerBlue, "BoxerBlue"}, {NinjaBlue, "NinjaBlue"}};
    for (int p = 0; p < kPlayers; ++p) playerCharacters[p] = None;
}

GameStateManager& GameStateManager::Instance() {
    static GameStateManager instance;
    return instance;
}

void GameStateManager::BuildStateNames() {
    stateNames = {{MainMenu, "MainMenu"}, {Level_1, "Level_1"},     {Level_2, "Level_2"}, {Restart, "Restart"},
                  {WinRed, "WinRed"},     {WinBlue, "WinBlue"},     {Invalid, "Invalid"}, {Quit, "Quit"},
                  {Selection, "Selection"}, {Level_3, "Level_3"}, {DEBUG, "DEBUG"}};
}

GameState GameStateManager::StateFromName(const std::string& name) {
    for (const auto& [state, stateName] : stateNames) {
        if (stateName == name) return state;
    }
    return Invalid;
}

void GameStateManager::RegisterListener() {
    auto& center = MessageCenter::GetInstance();
    center.RemoveListener(&Listener());
    center.AddListener(CHANGE_LEVEL, &Listener());
    center.AddListener(CHANGE_SCENE, &Listener());
}

void GameStateManager::Request(GameState& held, GameState asked) {
    if (held != Quit) held = asked;
}

void GameStateManager::HandleMessage(IMessage* message) {
    GameStateManager& self = Instance();
    if (message->id == CHANGE_LEVEL) {
        // The window's close or a signal may have asked to quit earlier in this frame.
        Request(nextState, requestedState);
    } else if (message->id == CHANGE_SCENE) {
        self.previousScene = self.currentScene;
        self.currentScene = requestedScene;
    }
}

void GameStateManager::QueueLevelStatus(int status) {
    GameStateManager& self = Instance();
    if (!self.levelStatus) self.levelStatus = CloneMessage<LevelStatusMessage>();
    self.levelStatus->Set(status, "");
    self.levelStatus->Post();
}

void GameStateManager::LoadState() {
    ResetLevel();
    if (currentState < MainMenu || currentState > DEBUG || currentState == Invalid || currentState == Quit) {
        currentState = Invalid;
        Request(nextState, Quit);
        return;
    }
    LoadLevel(LevelFileName(currentState));
    GameStateManager& self = Instance();
    self.previousScene = self.currentScene;
    self.currentScene = 1;
    if (currentState != DEBUG) QueueLevelStatus(0);
    LimitPickingToDraggableTypes();
}

void GameStateManager::ResetLevel() {
    StopPadVibration();
    if (AI_Manager* ai = FindAiManager()) ai->SaveLevelData();
    DestroyAllObjects();
    // The pairs name the objects just destroyed, and the next level's graphs run before
    // physics publishes new ones.
    CollisionMessage::Pairs().clear();
    CollisionMessage::Touches().clear();
    isPaused = false;
    SetPhysicsPaused(false);
    SoundSystem::GetInstance().StopAll();
    if (!IsLevelState(StateAfterReset())) ClearCharacters();
    MessageCenter::GetInstance().ClearPosted();
}

void GameStateManager::LoadLevel(const std::string& path) {
    GameStateManager& self = Instance();
    self.levelFile = path;
    auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY);
    if (!factory) return;
    factory->BuildFromFile(self.objectMaps[1], path);
    if (GraphicGL* renderer = FindRenderer()) renderer->SetTopSprite();
    SpawnPlayers();
    SpawnAttacks();
    for (auto& map : self.objectMaps) {
        for (auto& [id, object] : map) {
            if (!object->parentName.empty()) object->parent = FindObjectByName(object->parentName);
        }
    }
    HandOverGraphVariables(self.objectMaps);
}

void GameStateManager::ReadLevelSettings(const json::Value& settings) {
    GameStateManager& self = Instance();
    const std::string& file = self.levelFile;
    const char* keys[] = {"cameraX", "cameraY", "cameraZ"};
    for (int i = 0; i < 3; ++i) {
        if (!json::GetFloat(json::Find(settings, keys[i]), self.camera[i])) {
            DataProblems::Report("%s: level settings need the number \"%s\"\n", file.c_str(), keys[i]);
        }
    }
    if (GraphicGL* renderer = FindRenderer()) renderer->camera.SetPosition(self.camera[0], self.camera[1]);
    float gravity = 0;
    if (!json::GetFloat(json::Find(settings, "gravity"), gravity)) {
        DataProblems::Report("%s: level settings need the number \"gravity\"\n", file.c_str());
    }
    SetGravity(0, gravity);
    if (!json::GetString(json::Find(settings, "AI file"), self.aiFile)) {
        DataProblems::Report("%s: level settings need the string \"AI file\"\n", file.c_str());
        self.aiFile.clear();
    }
    // The graphs come before the objects, whose AI components look them up by name.
    AI_Manager* ai = FindAiManager();
    if (ai && !self.aiFile.empty()) ai->registry.LoadFiles(self.aiFile);
}

void GameStateManager::SetGravity(float x, float y) {
    Instance().gravity = Vec2(x, y);
    // Bodies made from now on copy the level gravity; the active ones of the level follow it now.
    for (auto& [id, object] : Instance().objectMaps[1]) {
        auto* body = object->Get<Body>(BODY);
        if (body && body->active) {
            body->gravityX = x;
            body->gravityY = y;
        }
    }
}

GameObject* GameStateManager::FindObjectByName(const std::string& name) {
    for (auto& map : Instance().objectMaps) {
        for (auto& [id, object] : map) {
            if (object->name == name) return object;
        }
    }
    return nullptr;
}

void GameStateManager::DestroyAllObjects() {
    auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY);
    for (auto& map : Instance().objectMaps) {
        if (factory) {
            factory->DestroyAllObjects(map);
        } else {
            for (auto& [id, object] : map) delete object;
            map.clear();
        }
    }
    MessageCenter::GetInstance().ClearPosted();
}

void GameStateManager::SetPause(bool paused) {
    isPaused = paused;
    if (paused) StopPadVibration();
    SetPhysicsPaused(paused);
}

void GameStateManager::ClearCharacters() {
    for (int p = 0; p < kPlayers; ++p) Instance().playerCharacters[p] = None;
}

GameState GameStateManager::StateAfterReset() {
    // At the end of a pass "Restart" stands in for the level it reloads, whose players stay.
    return currentState == Restart ? previousState : currentState;
}

void GameStateManager::ResetAll() {
    GameStateManager& self = Instance();
    for (auto& map : self.objectMaps) {
        for (auto& [id, object] : map) delete object;
        map.clear();
    }
    self.camera[0] = self.camera[1] = self.camera[2] = 0;
    self.gravity = Vec2();
    self.currentScene = self.previousScene = 1;
    self.levelFile.clear();
    self.aiFile.clear();
    self.levelStatus = nullptr;  // owned by the message centre, which is reset too
    ClearCharacters();
    currentState = nextState = previousState = requestedState = MainMenu;
    requestedScene = 1;
    isPaused = false;
    stateNames.clear();
}
