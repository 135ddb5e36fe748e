#pragma once

#include "core/message.h"

class GameObject;

class IAction {
public:
    virtual void Execute() = 0;
    virtual ~IAction() = default;

    int id = -1;
    // A queued action that is not enabled is dropped without running.
    bool enabled = true;
};

// One requested move: a force (or, for a respawn, a position) for one object.
struct MoveObjData {
    GameObject* object = nullptr;
    float x = 0;
    float y = 0;
};

// A message that makes the action manager run its action. The message does not own it.
class ActionMessage : public IMessage {
public:
    using IMessage::IMessage;

    IAction* action = nullptr;
};

class MoveObjectsMessage : public MessageOf<MoveObjectsMessage, MOVE_OBJECTS, ActionMessage> {};
class RespawnObjMessage : public MessageOf<RespawnObjMessage, RESPAWN_OBJ, ActionMessage> {};
