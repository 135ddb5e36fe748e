#pragma once

#include "core/message.h"

// The mouse position in world units while the left button is down.
class BodyPickingMessage : public MessageOf<BodyPickingMessage, BODY_PICKING> {
public:
    float x = 0;
    float y = 0;
};
