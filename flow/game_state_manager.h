#pragma once

#include <array>
#include <map>
#include <string>

#include "core/game_object.h"
#include "core/json.h"
#include "core/vector2d.h"
#include "flow/game_state.h"

class LevelStatusMessage;

// Owns every game object, runs the level reset and the level load, and holds the game-state
// variables that the main loop, the window and the behaviour nodes read and write.
class GameStateManager {
public:
    static constexpr int kObjectMaps = 6;
    static constexpr int kPlayers = 4;
    // Map 1 holds the level's objects and the players; map 2 the attack copies.
    static constexpr size_t kLevelMap = 1;
    static constexpr size_t kAttackMap = 2;

    static GameState currentState;
    static GameState nextState;
    static GameState previousState;
    static GameState requestedState;
    static int requestedScene;
    static bool isPaused;
    static std::map<GameState, std::string> stateNames;

    static GameStateManager& Instance();

    static void BuildStateNames();
    static GameState StateFromName(const std::string& name);
    static void LoadState();
    static void ResetLevel();
    static void LoadLevel(const std::string& path);
    static void ReadLevelSettings(const json::Value& settings);
    static void SetGravity(float x, float y);
    // The players' chosen characters at the level object's start positions.
    static void SpawnPlayers();
    // Every "Attack" object becomes an inactive template with ten inactive copies in map 2.
    static void SpawnAttacks();
    // Only bodies of the draggable types keep listening for mouse picks.
    static void LimitPickingToDraggableTypes();
    static GameObject* FindObjectByName(const std::string& name);
    static void DestroyAllObjects();
    static void SetPause(bool paused);
    static void ClearCharacters();
    // The state a reset leads to: a restart leads back to the state it restarts.
    static GameState StateAfterReset();
    // Every request for a state goes through here. `held` is where it waits: `requestedState`
    // for a graph's request, which the listener hands on at the next frame's start, or
    // `nextState`, which the main loop reads. A quit outranks every other state: once asked
    // for, it stays, and the game ends whatever else is asked after it.
    static void Request(GameState& held, GameState asked);
    static void QueueLevelStatus(int status);
    static void HandleMessage(IMessage* message);
    // Subscribes the game-state listener to level and scene changes; once per run.
    static void RegisterListener();
    // Back to the state of a fresh start: objects destroyed, variables at their first values.
    static void ResetAll();

    std::array<ObjectMap, kObjectMaps> objectMaps;
    float camera[3] = {0, 0, 0};
    Vec2 gravity;
    int currentScene = 1;
    int previousScene = 1;
    std::string levelFile;
    std::string aiFile;
    std::map<int, CHARID> playerCharacters;
    std::map<CHARID, std::string> characterNames;
    LevelStatusMessage* levelStatus = nullptr;

private:
    GameStateManager();
};
