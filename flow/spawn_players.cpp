#include <cstdio>
#include <string>
#include <vector>

#include "core/composite_factory.h"
#include "core/data_problems.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/ai_component.h"
#include "graph/node_helpers.h"
#include "input/controller.h"
#include "physics/body.h"

namespace {

const char* const kLevelObjectName = "LevelObj";

// Players 0 and 1 wear their character's first set of pictures, players 2 and 3 the second.
int ResourceSequence(int player) { return player < 2 ? 1 : 2; }

bool HasAnyComponent(const GameObject& object) {
    for (const IGameComponent* component : object.components) {
        if (component) return true;
    }
    return false;
}

// Takes an object the factory left behind for a character it could not build.
void DiscardObject(ObjectMap& map, uint32_t id) {
    auto it = map.find(id);
    if (it == map.end()) return;
    delete it->second;
    map.erase(it);
}

// One line naming every part the character lacks, so a broken character file is fixed in one go.
void ReportMissingParts(const GameObject& character, bool controller, bool body, bool ai, bool resSeq) {
    std::string missing;
    const auto add = [&missing](bool present, const char* what) {
        if (!present) missing += (missing.empty() ? "" : ", ") + std::string(what);
    };
    add(controller, "Controller");
    add(body, "Body");
    add(ai, "AI_Component");
    add(!ai || resSeq, "the int variable \"resSeq\"");
    if (!missing.empty()) {
        DataProblems::Report("%s: character \"%s\" has no %s\n", kCharacterFile, character.name.c_str(),
                             missing.c_str());
    }
}

// Gives a built character its player: name digit, controller, picture set and start position.
void MakePlayer(GameObject& character, int player, const VariableStore* levelVariables) {
    character.name += std::to_string(player);
    auto* controller = character.Get<Controller>(CONTROLLER);
    if (controller) controller->playerId = player;
    int* resSeq = ObjectVariable<int>(&character, "resSeq");
    if (resSeq) *resSeq = ResourceSequence(player);
    auto* body = character.Get<Body>(BODY);
    ReportMissingParts(character, controller != nullptr, body != nullptr,
                       character.Get<AI_Component>(AI_COMPONENT) != nullptr, resSeq != nullptr);
    if (!body || !levelVariables) return;
    const std::string startName = "InitPos" + std::to_string(player);
    if (const Vec2* start = LookupVariableByName<Vec2>(levelVariables, startName)) {
        body->shape->SetPosition(*start);
    } else {
        DataProblems::Report("%s: \"%s\" has no Vec2 variable \"%s\"; %s starts where the character file puts it\n",
                             GameStateManager::Instance().levelFile.c_str(), kLevelObjectName, startName.c_str(),
                             character.name.c_str());
    }
}

}  // namespace

void GameStateManager::SpawnPlayers() {
    GameStateManager& self = Instance();
    std::vector<int> players;
    for (const auto& [player, character] : self.playerCharacters) {
        if (character != None && player >= 0 && player < kPlayers) players.push_back(player);
    }
    // Nobody plays in the menus: the character file is then not even looked at.
    if (players.empty()) return;
    GameObject* levelObject = FindObjectByName(kLevelObjectName);
    auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY);
    if (!levelObject || !factory) return;
    const VariableStore* levelVariables = ObjectStore(levelObject);
    if (!levelVariables) {
        DataProblems::Report("%s: \"%s\" has no variables; the players start where the character file puts them\n",
                             self.levelFile.c_str(), kLevelObjectName);
    }
    ObjectMap& level = self.objectMaps[kLevelMap];
    // One read of the character file for all the players, so its problems are told once.
    DataProblems::Reading reading(kCharacterFile);
    for (int player : players) {
        auto name = self.characterNames.find(self.playerCharacters[player]);
        if (name == self.characterNames.end()) {
            std::printf("Player %d chose character %d, which does not exist; not spawned\n", player,
                        static_cast<int>(self.playerCharacters[player]));
            continue;
        }
        const uint32_t id = factory->NextObjectId();
        GameObject* character = factory->BuildCharacter(level, name->second);
        if (!character) {
            // The factory has said why; the file is no better for the next player.
            DiscardObject(level, id);
            return;
        }
        if (!HasAnyComponent(*character)) {
            // The factory has said the name is absent; an empty stand-in helps no one.
            DiscardObject(level, id);
            continue;
        }
        MakePlayer(*character, player, levelVariables);
    }
}
