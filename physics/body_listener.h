#pragma once

#include "core/message.h"

class Body;

// Hands mouse-picking messages to its body. The level loader unsubscribes it for object types
// that cannot be dragged; `active` switches picking off without unsubscribing.
class BodyListener : public IListener {
public:
    explicit BodyListener(Body* body);
    ~BodyListener() override;
    BodyListener(const BodyListener&) = delete;
    BodyListener& operator=(const BodyListener&) = delete;

    void HandleMessage(IMessage* message) override;

    bool active = true;
    Body* body;
};
