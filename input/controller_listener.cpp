#include "input/controller_listener.h"

#include "core/message_center.h"
#include "input/controller.h"

ControllerListener::ControllerListener(Controller* controller) : IListener(controller), controller(controller) {
    MessageCenter::GetInstance().AddListener(CONTROLLER_EVENT, this);
}

ControllerListener::~ControllerListener() { MessageCenter::GetInstance().RemoveListener(this); }

void ControllerListener::HandleMessage(IMessage* message) { controller->HandleMessage(message); }
