#include "physics/picking.h"

#include "physics/body.h"
#include "physics/body_picking_message.h"

Body* PickedBody = nullptr;
Vec2 PickOffset;

void ClearPick() {
    PickedBody = nullptr;
    PickOffset = Vec2();
}

void Body::HandleMessage(IMessage* message) {
    if (!message || message->id != BODY_PICKING || PickedBody) return;
    const auto* pick = static_cast<const BodyPickingMessage*>(message);
    const Vec2 point(pick->x, pick->y);
    if (!shape->HitByPick(point)) return;
    PickedBody = this;
    PickOffset = shape->GetPosition() - point;
}
