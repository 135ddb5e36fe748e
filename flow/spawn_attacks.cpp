#include <vector>

#include "core/composite_factory.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "physics/body.h"
#include "physics/physics.h"

namespace {

constexpr int kCopiesPerAttack = 10;

// A template and its copies fly where the attack nodes push them, unaffected by gravity,
// among the moving bodies at the front of the physics list.
void MakeFreeFlying(Body& body) {
    body.gravityX = 0;
    body.gravityY = 0;
    body.isMove = true;
    if (Physics* physics = Physics::Current()) {
        physics->RemoveBody(&body);
        physics->AddBody(&body);
    }
}

}  // namespace

void GameStateManager::SpawnAttacks() {
    // Unknown type names read as "Default": without this check every default object of a
    // level would be taken for an attack.
    const auto attackType = GameObjectTypes().find("Attack");
    auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY);
    if (attackType == GameObjectTypes().end() || !factory) return;
    GameStateManager& self = Instance();
    std::vector<GameObject*> templates;
    for (const auto& [id, object] : self.objectMaps[kLevelMap]) {
        if (object->typeId == attackType->second) templates.push_back(object);
    }
    for (GameObject* attack : templates) {
        attack->SetActive(false);
        if (auto* body = attack->Get<Body>(BODY)) MakeFreeFlying(*body);
        for (int i = 0; i < kCopiesPerAttack; ++i) factory->CloneGameObject(self.objectMaps[kAttackMap], attack);
    }
}
