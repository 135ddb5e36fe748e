#include "graph/ai_manager.h"

#include <algorithm>
#include <optional>

#include "core/composite_factory.h"
#include "core/system_manager.h"
#include "graph/ai_component.h"
#include "graph/node_registry.h"
#include "physics/body_picking_message.h"
#include "physics/collision_message.h"
#include "physics/picking.h"

namespace {
const char* const kLevelObjectName = "LevelObj";
const char* const kFirstLevelGraph = "Level1_AI";
}  // namespace

AI_Manager::AI_Manager() : ISystem(AI_MANAGER), listener_(this) {}

AI_Manager::~AI_Manager() {
    registry.Clear();
    FreeNodePrototypes();
}

bool AI_Manager::Init() {
    if (auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY)) {
        factory->AddComponentCreator("AI_Component", new GameComponentCreatorType<AI_Component>(AI_COMPONENT));
    }
    return true;
}

void AI_Manager::HandleMessage(IMessage* message) {
    if (!message) return;
    if (message->id == COLLISION) {
        collisions = &CollisionMessage::Pairs();
    } else if (message->id == BODY_PICKING) {
        auto* pick = static_cast<BodyPickingMessage*>(message);
        pickedBody = PickedBody;
        pickOffset = PickOffset;
        pickPoint = Vec2(pick->x, pick->y);
    }
}

bool AI_Manager::Update(double frameSeconds) {
    dt = frameSeconds;
    running_ = true;
    // Size re-read each turn: components cloned by a graph run later in the same pass.
    for (size_t i = 0; i < components_.size(); ++i) {
        AI_Component* component = components_[i];
        if (component && component->active && component->tree) {
            component->tree->RunNode(component->tree->rootNode, component);
        }
    }
    running_ = false;
    components_.erase(std::remove(components_.begin(), components_.end(), nullptr), components_.end());
    registry.EndFrame();
    pickedBody = nullptr;
    return true;
}

void AI_Manager::AddComponent(AI_Component* component) {
    if (component) components_.push_back(component);
}

void AI_Manager::RemoveComponent(AI_Component* component) {
    if (running_) {
        std::replace(components_.begin(), components_.end(), component, static_cast<AI_Component*>(nullptr));
    } else {
        components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    }
}

GameObject* AI_Manager::FindObject(const std::string& typeName, const std::string& objectName, int mapIndex) const {
    if (!objectMaps || mapIndex < 0 || mapIndex > kAllMaps) return nullptr;
    const uint32_t typeId = GameObject::LookUpTypeId(typeName);
    const int first = mapIndex == kAllMaps ? 0 : mapIndex;
    const int last = mapIndex == kAllMaps ? kAllMaps - 1 : mapIndex;
    for (int m = first; m <= last; ++m) {
        for (const auto& [id, object] : (*objectMaps)[static_cast<size_t>(m)]) {
            if (object && object->typeId == typeId && object->name == objectName) return object;
        }
    }
    return nullptr;
}

GameObject* AI_Manager::FindLevelObject() const { return FindObject("Default", kLevelObjectName, 1); }

void AI_Manager::BindObjectVariables(VariableStore* store) const {
    InputNodeMap<GameObject*>* objects = GetVariableMap<GameObject*>(store, VT_GAME_OBJECT);
    if (!objects) return;
    for (auto& [index, variable] : objects->variables) {
        variable.value = FindObject(variable.GetSearchTerm(0), variable.GetSearchTerm(1), kAllMaps);
    }
}

void AI_Manager::SaveLevelData() {
    GameObject* level = FindLevelObject();
    auto* component = level ? level->Get<AI_Component>(AI_COMPONENT) : nullptr;
    if (component && component->tree) {
        levelData = component->tree->CloneDefaultStore();
        levelData->CopyFrom(component->store.get());
    }
    components_.clear();
    pickedBody = nullptr;
    registry.Clear();
}

void AI_Manager::BindTreeVariables(int treeId) {
    BehaviourTree* tree = registry.FindByName(registry.GetName(treeId));
    if (!tree) return;
    for (AI_Component* component : components_) {
        if (!component || component->tree != tree) continue;
        std::unique_ptr<VariableStore> fresh = tree->CloneDefaultStore();
        fresh->CopyFrom(component->store.get());
        component->store = std::move(fresh);
        BindObjectVariables(component->store.get());
    }
    for (const auto& [id, graph] : registry.Trees()) BindObjectVariables(graph->globalStore.get());
}

void AI_Manager::RestoreLevelData() {
    GameObject* level = FindLevelObject();
    if (!level) return;  // kept for a later level that has a level object
    auto* component = level->Get<AI_Component>(AI_COMPONENT);
    if (component && component->store) {
        VariableStore* store = component->store.get();
        // The first level's camera start, scene positions and shake strength come from its own
        // file, never from the level before.
        const bool firstLevel = component->tree && component->tree->name == kFirstLevelGraph;
        std::map<std::string, Vec2> positions;
        std::optional<double> intensity;
        if (firstLevel) {
            for (const char* name : {"CamStartPos", "S1", "S2", "S3"}) {
                if (Vec2* value = LookupVariableByName<Vec2>(store, name)) positions[name] = *value;
            }
            if (double* value = LookupVariableByName<double>(store, "intensity")) {
                intensity = *value;
            }
        }
        store->CopyFrom(levelData.get());
        for (const auto& [name, value] : positions) *LookupVariableByName<Vec2>(store, name) = value;
        if (intensity) *LookupVariableByName<double>(store, "intensity") = *intensity;
        BindObjectVariables(store);
    }
    levelData.reset();
}
