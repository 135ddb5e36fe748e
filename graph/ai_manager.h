#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/game_object.h"
#include "core/system.h"
#include "core/vector2d.h"
#include "graph/ai_listener.h"
#include "graph/behaviour_tree_registry.h"

class AI_Component;
class Body;

using ObjectMaps = std::array<ObjectMap, 6>;

// Runs every active object's graph once per frame, and carries the level object's variables
// from one level to the next.
class AI_Manager : public ISystem {
public:
    static constexpr int kAllMaps = 6;

    AI_Manager();
    ~AI_Manager() override;

    // Lets level files give objects an "AI_Component".
    bool Init() override;
    void HandleMessage(IMessage* message) override;
    bool Update(double frameSeconds) override;

    void AddComponent(AI_Component* component);
    void RemoveComponent(AI_Component* component);

    // The first object (ascending id) of that type and exact name in one map, or in all six
    // in order with kAllMaps. Null before a level is loaded.
    GameObject* FindObject(const std::string& typeName, const std::string& objectName, int mapIndex) const;
    // "LevelObj" of type "Default" among the level's objects.
    GameObject* FindLevelObject() const;

    // The level hand-over: saved at the reset before objects go, bound and restored at load.
    void SaveLevelData();
    void BindTreeVariables(int treeId);
    void RestoreLevelData();

    const std::vector<AI_Component*>& Components() const { return components_; }

    double dt = 0;
    Body* pickedBody = nullptr;
    Vec2 pickOffset;
    Vec2 pickPoint;
    std::map<GameObject*, GameObject*>* collisions = nullptr;
    ObjectMaps* objectMaps = nullptr;
    BehaviourTreeRegistry registry;
    std::unique_ptr<VariableStore> levelData;

private:
    // Every object variable of `store` set to the object its search terms name, or null.
    void BindObjectVariables(VariableStore* store) const;

    AI_Listener listener_;
    // Graphs may clone objects (adding components) while the list is walked, so the walk goes
    // by position and removals during it leave a gap that is closed afterwards.
    std::vector<AI_Component*> components_;
    bool running_ = false;
};
