#include "core/composite_factory.h"

#include <cstdio>
#include <set>

#include "core/data_problems.h"
#include "flow/game_state_manager.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "input/controller.h"

const char* const kCharacterFile = "Resources/ObjData/Character.json";

CompositeFactory::CompositeFactory() : ISystem(COMPOSITE_FACTORY) {}

CompositeFactory::~CompositeFactory() {
    // A creator may have been registered under several names; delete each once.
    std::set<GameComponentCreator*> owned;
    for (auto& entry : creators_) owned.insert(entry.second);
    for (GameComponentCreator* creator : owned) delete creator;
}

bool CompositeFactory::Init() {
    AddComponentCreator("Body", new GameComponentCreatorType<Body>(BODY));
    AddComponentCreator("Sprite", new GameComponentCreatorType<Sprite>(SPRITE));
    AddComponentCreator("Controller", new GameComponentCreatorType<Controller>(CONTROLLER));
    return true;
}

void CompositeFactory::AddComponentCreator(const std::string& name, GameComponentCreator* creator) {
    if (!creator) return;
    creators_[name] = creator;
    componentNames_[creator->kind] = name;
}

uint32_t CompositeFactory::CreateGameObject(ObjectMap& map) {
    auto* object = new GameObject();
    object->id = counter_;
    object->name = "Game Object " + std::to_string(counter_);
    map[counter_] = object;
    return counter_++;
}

namespace {

// `name` is empty when the description is too short or malformed to have one.
void ReportNoHeader(const std::string& file, const std::string& name) {
    const std::string object = name.empty() ? "" : "object \"" + name + "\": ";
    DataProblems::Report("%s: %san object description needs a name, a type and an active flag; skipped\n",
                         file.c_str(), object.c_str());
}

}  // namespace

bool CompositeFactory::BuildObject(GameObject& object, const json::Value& description, bool readActiveFlag,
                                   bool& startActive, const std::string& file) {
    const size_t count = json::MemberCount(description);
    const bool hasParent = json::Find(description, "Parent") != nullptr;
    // Name, type, the parent when there is one, then the active flag (read or skipped).
    const size_t header = hasParent ? 4 : 3;
    if (!description.IsObject() || count < header) {
        ReportNoHeader(file, "");
        return false;
    }
    std::string name, type;
    if (!json::GetString(&json::MemberAt(description, 0)->value, name) ||
        !json::GetString(&json::MemberAt(description, 1)->value, type)) {
        DataProblems::Report("%s: object name and type must be strings; description skipped\n", file.c_str());
        return false;
    }
    // Without its flag, the first component would sit in the flag's place and be lost unseen.
    const json::Value& flag = json::MemberAt(description, header - 1)->value;
    if (flag.IsObject() || flag.IsArray()) {
        ReportNoHeader(file, name);
        return false;
    }
    object.name = name;
    object.SetType(type);
    if (hasParent) {
        std::string parentName;
        if (json::GetString(&json::MemberAt(description, 2)->value, parentName)) {
            object.SetParentName(parentName);
        } else {
            DataProblems::Report("%s: object \"%s\": the parent name must be a string\n", file.c_str(), name.c_str());
        }
    }
    if (readActiveFlag) startActive = json::IsLiteralTrue(&flag);
    for (size_t i = header; i < count; ++i) {
        const json::Member& member = *json::MemberAt(description, i);
        const std::string key = member.name.GetString();
        auto creator = creators_.find(key);
        if (creator == creators_.end()) {
            DataProblems::Report("%s: object \"%s\": unknown component \"%s\" skipped\n", file.c_str(), name.c_str(),
                                 key.c_str());
            continue;
        }
        IGameComponent* component = creator->second->Create();
        object.AddComponent(component);
        component->Unserialize(member);
    }
    return true;
}

void CompositeFactory::BuildFromFile(ObjectMap& map, const std::string& path) {
    DataProblems::Reading reading(path);
    if (!file_.Read(path, IfMissing::kCreateEmpty)) {
        std::printf("Fail to Build and unserializer\n");
        return;
    }
    bool first = true;
    for (const auto& member : file_.Doc().GetObject()) {
        if (first) {
            first = false;
            GameStateManager::ReadLevelSettings(member.value);
            continue;
        }
        const uint32_t id = CreateGameObject(map);
        GameObject* object = map[id];
        bool startActive = true;
        if (!BuildObject(*object, member.value, true, startActive, path)) {
            delete object;
            map.erase(id);
            continue;
        }
        // The object's flag switches its components on, but a sprite its file stores as hidden
        // (a menu page, a respawn light) starts hidden: else the first frame draws it, and the
        // text of whatever reads it, before its graph has had a chance to hide it.
        IGameComponent* sprite = object->GetComponent(SPRITE);
        const bool spriteHidden = sprite && !sprite->active;
        object->SetActive(startActive);
        if (spriteHidden) sprite->active = false;
    }
    file_.Write(path);
}

GameObject* CompositeFactory::BuildCharacter(ObjectMap& map, const std::string& characterName) {
    const uint32_t id = CreateGameObject(map);
    GameObject* object = map[id];
    DataProblems::Reading reading(kCharacterFile);
    JsonFile characters;
    // The character file is only ever read: a missing one is not made up empty.
    if (!characters.Read(kCharacterFile, IfMissing::kRefuse)) {
        if (characters.Missing()) {
            DataProblems::Report("%s: missing; no player spawned\n", kCharacterFile);
        } else {
            std::printf("Fail to Build and unserializer\n");
        }
        return nullptr;
    }
    const json::Value* description = json::Find(characters.Doc(), characterName.c_str());
    if (!description) {
        DataProblems::Report("%s: no character \"%s\"\n", kCharacterFile, characterName.c_str());
        return object;
    }
    bool unused = true;
    if (BuildObject(*object, *description, false, unused, kCharacterFile)) object->SetActive(true);
    return object;
}

GameObject* CompositeFactory::CloneGameObject(ObjectMap& map, const GameObject* source) {
    if (!source) return nullptr;
    const uint32_t id = CreateGameObject(map);
    GameObject* object = map[id];
    object->name = source->name;
    object->typeId = source->typeId;
    for (IGameComponent* component : source->components) {
        if (component) object->AddComponent(component->Clone());
    }
    object->SetActive(source->active);
    return object;
}

void CompositeFactory::DestroyAllObjects(ObjectMap& map) {
    for (auto& [id, object] : map) delete object;
    map.clear();
}
