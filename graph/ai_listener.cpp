#include "graph/ai_listener.h"

#include "core/message_center.h"
#include "graph/ai_manager.h"

AI_Listener::AI_Listener(AI_Manager* manager) : IListener(manager) {
    MessageCenter::GetInstance().AddListener(COLLISION, this);
    MessageCenter::GetInstance().AddListener(BODY_PICKING, this);
}

AI_Listener::~AI_Listener() { MessageCenter::GetInstance().RemoveListener(this); }

void AI_Listener::HandleMessage(IMessage* message) { static_cast<AI_Manager*>(owner)->HandleMessage(message); }
