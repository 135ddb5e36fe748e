#include "graph/node_helpers.h"

#include "core/system_manager.h"
#include "graph/ai_manager.h"

AI_Manager* TheAiManager() {
    return SystemManager::GetInstance().Get<AI_Manager>(AI_MANAGER);
}

VariableStore* ObjectStore(const GameObject* object) {
    auto* component = object ? object->Get<AI_Component>(AI_COMPONENT) : nullptr;
    return component ? component->store.get() : nullptr;
}

GameObject* LevelObjectLookup::Get() {
    if (!object_) {
        AI_Manager* manager = TheAiManager();
        object_ = manager ? manager->FindLevelObject() : nullptr;
    }
    return object_;
}
