#pragma once

#include "core/message.h"

class AI_Manager;

// Passes collisions and mouse picks on to the AI manager.
class AI_Listener : public IListener {
public:
    explicit AI_Listener(AI_Manager* manager);
    ~AI_Listener() override;
    void HandleMessage(IMessage* message) override;
};
