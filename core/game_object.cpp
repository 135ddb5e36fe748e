#include "core/game_object.h"

#include <cstdio>

#include "core/data_problems.h"
#include "core/json_file.h"

GameObject::~GameObject() {
    for (auto& slot : components) {
        delete slot;
        slot = nullptr;
    }
}

void GameObject::AddComponent(IGameComponent* component) {
    if (!component) return;
    IGameComponent*& slot = components[component->kind];
    if (slot != component) delete slot;
    slot = component;
    component->SetOwner(this);
}

IGameComponent* GameObject::GetComponent(GAME_COMP kind) const {
    IGameComponent* component = components[kind];
    return component && !component->hidden ? component : nullptr;
}

void GameObject::SetActive(bool on) {
    active = on;
    for (IGameComponent* component : components) {
        if (component) component->active = on && !component->hidden;
    }
}

void GameObject::SetType(const std::string& typeName) { typeId = LookUpTypeId(typeName); }

std::map<std::string, uint32_t>& GameObjectTypes() {
    static std::map<std::string, uint32_t> types;
    return types;
}

void GameObject::LoadTypes() {
    static const char* const kPath = "Resources/ObjData/GameObjectType.json";
    DataProblems::Reading reading(kPath);
    JsonFile file;
    if (!file.Read(kPath, IfMissing::kCreateEmpty)) {
        std::printf("Fail to Read object list\n");
        return;
    }
    auto& types = GameObjectTypes();
    for (const auto& member : file.Doc().GetObject()) {
        unsigned id = 0;
        if (!json::GetUint(&member.value, id)) {
            DataProblems::Report("%s: type \"%s\" needs an unsigned id, has %s; skipped\n", kPath,
                                 member.name.GetString(), json::TypeName(&member.value));
            continue;
        }
        types[member.name.GetString()] = id;
    }
    file.Write(kPath);
}

uint32_t GameObject::LookUpTypeId(const std::string& typeName) {
    auto& types = GameObjectTypes();
    auto it = types.find(typeName);
    if (it != types.end()) return it->second;
    return types.emplace("Default", 0).first->second;
}
