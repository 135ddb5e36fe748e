#include "flow/action.h"

#include "core/game_object.h"
#include "core/system_manager.h"
#include "flow/action_manager.h"
#include "physics/body.h"

ActionMessage::ActionMessage(MESSAGE_ID id) : IMessage(id) {
    if (auto* manager = SystemManager::GetInstance().Get<ActionManager>(ACTION_MANAGER)) {
        action = manager->GetAction(manager->AddAction(id));
    }
}

ActionMessage::~ActionMessage() {
    // Once the action manager is gone it has deleted every action itself.
    if (!action) return;
    if (auto* manager = SystemManager::GetInstance().Get<ActionManager>(ACTION_MANAGER)) {
        manager->RemoveAction(action);
    }
}

void MoveObjectsAction::Execute() {
    while (!moves.empty()) {
        const MoveObjData move = moves.front();
        moves.pop_front();
        Body* body = move.object ? move.object->Get<Body>(BODY) : nullptr;
        if (!body) continue;
        body->accX += move.x * body->invMass;
        body->accY += move.y * body->invMass;
    }
}

void RespawnObject(MoveObjData entry) {
    Body* body = entry.object ? entry.object->Get<Body>(BODY) : nullptr;
    if (!body) return;
    body->velX = 0;
    body->velY = 0;
    body->shape->SetPosition(entry.x, entry.y);
}
