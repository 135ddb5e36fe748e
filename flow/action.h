#pragma once

#include <deque>

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

// Adds each queued force, times the body's inverse mass, to the body's acceleration.
class MoveObjectsAction : public IAction {
public:
    void Execute() override;

    std::deque<MoveObjData> moves;
};

// A message that makes the action manager run its action. Each message, prototype or clone,
// has an action of its own, taken from the action manager when the message is made and given
// back when it is destroyed; without an action manager it has none.
class ActionMessage : public IMessage {
public:
    explicit ActionMessage(MESSAGE_ID id);
    ~ActionMessage() override;
    ActionMessage(const ActionMessage&) = delete;
    ActionMessage& operator=(const ActionMessage&) = delete;

    MoveObjectsAction* Moves() const { return static_cast<MoveObjectsAction*>(action); }

    IAction* action = nullptr;
};

class MoveObjectsMessage : public MessageOf<MoveObjectsMessage, MOVE_OBJECTS, ActionMessage> {};
class RespawnObjMessage : public MessageOf<RespawnObjMessage, RESPAWN_OBJ, ActionMessage> {};

// Puts an object's body at rest at (x, y). The respawn nodes call it directly.
void RespawnObject(MoveObjData entry);
