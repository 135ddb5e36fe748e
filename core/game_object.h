#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "core/game_component.h"

// An entity of a level: a name, a type, and up to seven components that it owns.
class GameObject {
public:
    GameObject() = default;
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;
    virtual ~GameObject();

    // Replaces (and deletes) a component of the same kind.
    void AddComponent(IGameComponent* component);
    // Null for an empty slot or a hidden component.
    IGameComponent* GetComponent(GAME_COMP kind) const;
    template <class T>
    T* Get(GAME_COMP kind) const { return static_cast<T*>(GetComponent(kind)); }
    // Passes the flag on to the components; hidden ones stay inactive.
    void SetActive(bool on);
    void SetParentName(const std::string& name) { parentName = name; }
    void SetType(const std::string& typeName);

    // The object-type table, read once at start-up and rewritten in the program's layout.
    static void LoadTypes();
    // The id of a type name; unknown names get the id of "Default".
    static uint32_t LookUpTypeId(const std::string& typeName);

    uint32_t id = 0;
    uint32_t typeId = 0;
    bool active = true;
    GameObject* parent = nullptr;
    std::string parentName;
    std::string name;
    std::array<IGameComponent*, kComponentSlots> components{};
};

using ObjectMap = std::map<uint32_t, GameObject*>;

// Type name to type id, from "Resources/ObjData/GameObjectType.json".
std::map<std::string, uint32_t>& GameObjectTypes();
