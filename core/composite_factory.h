#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/game_object.h"
#include "core/json_file.h"
#include "core/system.h"

// Makes game objects: empty ones, ones described in a level or character file, and copies.
// Object ids come from one counter that is never reset, so they are unique over the run.
class CompositeFactory : public ISystem {
public:
    CompositeFactory();
    ~CompositeFactory() override;

    // Registers the creators of the component kinds the engine core knows.
    bool Init() override;
    // Replaces (without deleting) an earlier creator of that name.
    void AddComponentCreator(const std::string& name, GameComponentCreator* creator);

    uint32_t CreateGameObject(ObjectMap& map);
    // The first member of a level file holds its settings; every other member is one object.
    // A level that parsed is written back in the program's layout.
    void BuildFromFile(ObjectMap& map, const std::string& path);
    GameObject* BuildCharacter(ObjectMap& map, const std::string& characterName);
    GameObject* CloneGameObject(ObjectMap& map, const GameObject* source);
    void DestroyAllObjects(ObjectMap& map);

    uint32_t NextObjectId() const { return counter_; }

private:
    // Fills an object from its description; false (with a diagnostic) when the description
    // is too broken to use.
    bool BuildObject(GameObject& object, const json::Value& description, bool readActiveFlag, bool& startActive,
                     const std::string& file);

    uint32_t counter_ = 0;
    std::map<GAME_COMP, std::string> componentNames_;
    std::map<std::string, GameComponentCreator*> creators_;
    JsonFile file_;
};

extern const char* const kCharacterFile;
