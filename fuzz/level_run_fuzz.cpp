// What data does once it runs: a level entered the way the game enters one, with four players,
// then a few frames of the whole engine (graphs, actions, physics, particles, sound, drawing
// offscreen) under held keys and a click, then the reset that leaving a level does.
// The input is the level file, or, when it reads as a graph (an object with "Nodes"), the graph
// that every object of a small stage runs: objects with a Sprite, a Font, a Body, a Controller
// and a Particle, of the types the node classes look for.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "core/json_file.h"
#include "core/random.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/json_mutator.h"
#include "graph/ai_manager.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"

namespace {

namespace vk = platform::vk;

const char* const kLevelPath = "Resources/levelData/level1.json";
const char* const kGraphPath = "Resources/AI/Fuzz_AI.json";
const char* const kGraphListPath = "Resources/AI/FuzzList.json";
const char* const kGraphList =
    "{\"Fuzz_AI\": \"Resources/AI/Fuzz_AI.json\", \"Character_AI\": \"Resources/AI/Character_AI.json\","
    " \"Attack_AI\": \"Resources/AI/Attack_AI.json\", \"Strike_AI\": \"Resources/AI/Strike_AI.json\","
    " \"Shield_AI\": \"Resources/AI/Shield_AI.json\"}";

// Everything is drawn, into a window a quarter of the usual width and height: filling the
// pixels in software would take most of the time otherwise.
constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 180;

// The bindings of Resources/Controls/Keyboard.json, player by player.
struct PlayerKeys {
    int up, down, left, right, jump, push, pull, skill;
};
constexpr PlayerKeys kPlayers[] = {
    {'W', 'S', 'A', 'D', vk::kSpace, 'F', 'G', 'R'},
    {vk::kUp, vk::kDown, vk::kLeft, vk::kRight, 'K', 'J', 'L', 'I'},
    {vk::kNumpad8, vk::kNumpad5, vk::kNumpad4, vk::kNumpad6, vk::kNumpad0, vk::kNumpad7, vk::kNumpad9, vk::kNumpad1},
    {vk::kHome, vk::kEnd, vk::kDelete, vk::kNext, vk::kInsert, vk::kPrior, vk::kOem4, vk::kOem6},
};

// What every player holds in one frame, plus the shared keys and the left mouse button.
struct Frame {
    int PlayerKeys::*held[2];
    std::vector<int> shared;
};

// Every binding of every player is pressed and let go, the mouse clicks the middle of the
// window, and the pause goes on and off again so that the last frames run the level once more.
const std::vector<Frame>& Script() {
    static const std::vector<Frame> frames = {
        {{nullptr, nullptr}, {}},
        {{&PlayerKeys::right, &PlayerKeys::jump}, {}},
        {{&PlayerKeys::right, &PlayerKeys::push}, {vk::kLButton}},
        {{&PlayerKeys::left, &PlayerKeys::skill}, {vk::kLButton}},
        {{&PlayerKeys::left, &PlayerKeys::pull}, {vk::kReturn}},
        {{&PlayerKeys::up, &PlayerKeys::push}, {vk::kReturn}},
        {{&PlayerKeys::down, &PlayerKeys::skill}, {'P'}},
        {{nullptr, nullptr}, {}},
        {{&PlayerKeys::down, nullptr}, {'P'}},
        {{&PlayerKeys::right, &PlayerKeys::jump}, {vk::kEscape}},
    };
    return frames;
}

std::set<int> AllKeys() {
    std::set<int> keys = {vk::kLButton, vk::kReturn, vk::kEscape, 'P'};
    for (const PlayerKeys& player : kPlayers) {
        for (int key : {player.up, player.down, player.left, player.right, player.jump, player.push, player.pull,
                        player.skill}) {
            keys.insert(key);
        }
    }
    return keys;
}

void HoldKeys(platform::ScriptedBackend& backend, const Frame& frame) {
    std::set<int> held(frame.shared.begin(), frame.shared.end());
    for (const PlayerKeys& player : kPlayers) {
        for (int PlayerKeys::*key : frame.held) {
            if (key) held.insert(player.*key);
        }
    }
    static const std::set<int> all = AllKeys();
    for (int key : all) backend.SetKey(key, held.count(key) != 0);
}

bool IsGraph(const std::string& text) {
    JsonFile probe;
    return probe.Parse(text, kGraphPath) && probe.Doc().IsObject() && probe.Doc().HasMember("Nodes");
}

const std::string& Stage() {
    static const std::string stage = [] {
        std::ifstream in(BRAMBLE_FUZZ_STAGE, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (text.empty()) {
            std::fprintf(stderr, "fuzz: cannot read the stage %s\n", BRAMBLE_FUZZ_STAGE);
            std::abort();
        }
        return text;
    }();
    return stage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::ScriptedBackend& backend = fuzz::StartGameOnce();
    SystemManager& systems = SystemManager::GetInstance();
    auto* ai = systems.Get<AI_Manager>(AI_MANAGER);
    const std::string text = fuzz::Text(data, size);
    const bool graph = IsGraph(text);
    if (graph) {
        fuzz::WriteInput(kGraphPath, text);
        fuzz::WriteInput(kGraphListPath, kGraphList);
        fuzz::WriteInput(kLevelPath, Stage());
    } else {
        fuzz::WriteInput(kLevelPath, text);
    }

    // Every input starts from the same engine: same draws, no level data handed over.
    ResetRandom();
    ai->levelData.reset();
    GameStateManager& game = GameStateManager::Instance();
    game.playerCharacters = {{0, LadyRed}, {1, BoxerBlue}, {2, NinjaRed}, {3, LadyBlue}};
    GameStateManager::previousState = GameStateManager::currentState = GameStateManager::nextState =
        GameStateManager::requestedState = Level_1;
    systems.BeginPass();
    if (graph) fuzz::RequireUntouchedIfBroken(kGraphPath, text);
    else fuzz::RequireUntouchedIfBroken(kLevelPath, text);

    backend.ResizeWindow(kWindowWidth, kWindowHeight);
    backend.PushEvent({platform::EventKind::MouseMove, 0, kWindowWidth / 2, kWindowHeight / 2});
    for (const Frame& frame : Script()) {
        HoldKeys(backend, frame);
        if (!systems.RunFrame()) break;
    }
    HoldKeys(backend, Frame{{nullptr, nullptr}, {}});
    GameStateManager::ResetLevel();
    return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    return fuzz::MutateJson(data, size, maxSize, seed);
}
