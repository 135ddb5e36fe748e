#include "nodes/attack_pool.h"

#include "flow/game_state_manager.h"
#include "graph/ai_manager.h"
#include "graph/node_helpers.h"

GameObject* FreeAttackCopy(const std::string& typeName, const std::string& objectName) {
    const AI_Manager* manager = TheAiManager();
    if (!manager || !manager->objectMaps) return nullptr;
    const uint32_t typeId = GameObject::LookUpTypeId(typeName);
    for (const auto& [id, copy] : (*manager->objectMaps)[GameStateManager::kAttackMap]) {
        if (copy && !copy->active && copy->typeId == typeId && copy->name == objectName) return copy;
    }
    return nullptr;
}
