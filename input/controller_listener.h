#pragma once

#include "core/message.h"

class Controller;

// Subscribes its controller to controller events for as long as it lives.
class ControllerListener : public IListener {
public:
    explicit ControllerListener(Controller* controller);
    ~ControllerListener() override;
    ControllerListener(const ControllerListener&) = delete;
    ControllerListener& operator=(const ControllerListener&) = delete;

    void HandleMessage(IMessage* message) override;

    Controller* controller;
};
