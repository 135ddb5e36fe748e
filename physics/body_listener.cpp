#include "physics/body_listener.h"

#include "core/message_center.h"
#include "physics/body.h"

BodyListener::BodyListener(Body* body) : IListener(body), body(body) {
    MessageCenter::GetInstance().AddListener(BODY_PICKING, this);
}

BodyListener::~BodyListener() { MessageCenter::GetInstance().RemoveListener(this); }

void BodyListener::HandleMessage(IMessage* message) {
    if (active && body->active && message->id == BODY_PICKING) body->HandleMessage(message);
}
