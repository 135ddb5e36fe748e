#pragma once

#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "flow/action.h"

// The pattern of nodes that queue moves during a frame and send them as one message: each
// run appends to the action of the node's own message, and EndFrame posts the message once
// when anything was appended. The message takes its action from the action manager; without
// one there is nothing to append to, so nothing is counted or posted.
// Message: MoveObjectsMessage or RespawnObjMessage.
template <class Message>
class OncePerFrameQueue {
public:
    OncePerFrameQueue() : message_(CloneMessage<Message>()) {}
    // The node's graph goes with its level: its message leaves both queues and gives its
    // action back, so nothing of it outlives the level or piles up over level changes.
    ~OncePerFrameQueue() { MessageCenter::GetInstance().Release(message_); }
    OncePerFrameQueue(const OncePerFrameQueue&) = delete;
    OncePerFrameQueue& operator=(const OncePerFrameQueue&) = delete;

    // False when the message has no action to carry the move.
    bool Add(const MoveObjData& move) {
        MoveObjectsAction* action = message_->Moves();
        if (!action) return false;
        action->moves.push_back(move);
        ++pending_;
        return true;
    }
    void EndFrame() {
        if (pending_ != 0 && message_->action) message_->Post();
        pending_ = 0;
    }

    int Pending() const { return pending_; }
    Message* GetMessage() const { return message_; }

private:
    Message* message_;  // this queue's own clone, released with it
    int pending_ = 0;
};
