#include <algorithm>
#include <cstdint>
#include <iterator>

#include "core/message_center.h"
#include "flow/game_state_manager.h"
#include "physics/body.h"

namespace {

// The object types a player may drag with the mouse.
constexpr uint32_t kDraggableTypes[] = {8, 10, 11, 12, 13, 14, 15, 17};

bool IsDraggable(uint32_t typeId) {
    return std::find(std::begin(kDraggableTypes), std::end(kDraggableTypes), typeId) != std::end(kDraggableTypes);
}

}  // namespace

void GameStateManager::LimitPickingToDraggableTypes() {
    for (const auto& [id, object] : Instance().objectMaps[kLevelMap]) {
        auto* body = object->Get<Body>(BODY);
        if (body && !IsDraggable(object->typeId)) MessageCenter::GetInstance().RemoveListener(&body->bodyListener);
    }
}
