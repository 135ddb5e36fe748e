#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <set>

#include "core/message.h"
#include "core/system.h"
#include "flow/action.h"

// Runs the actions that action messages queued, once per frame before graphs and physics.
class ActionManager : public ISystem {
public:
    ActionManager();
    ~ActionManager() override;

    bool Init() override { return true; }
    bool Update(double dt) override;
    // Queues the action of an action message; other messages are ignored.
    void HandleMessage(IMessage* message) override;

    // A new move action kept under a fresh id; the manager starts listening for `messageId`.
    int AddAction(MESSAGE_ID messageId);
    IAction* GetAction(int id) const;
    void QueueAction(int id);
    // Deletes one of this manager's actions and takes it out of the queue; an action the
    // manager does not hold is left alone.
    void RemoveAction(const IAction* action);

    size_t ActionCount() const { return actions_.size(); }
    size_t QueuedCount() const { return queue_.size(); }

private:
    class Listener : public IListener {
    public:
        explicit Listener(ActionManager* manager) : IListener(manager) {}
        void HandleMessage(IMessage* message) override { static_cast<ActionManager*>(owner)->HandleMessage(message); }
    };

    int nextId_ = 0;
    std::map<int, IAction*> actions_;
    std::deque<IAction*> queue_;
    Listener listener_{this};
    std::set<MESSAGE_ID> listening_;
};
