#include "flow/action_manager.h"

#include <algorithm>

#include "core/message_center.h"

ActionManager::ActionManager() : ISystem(ACTION_MANAGER) {}

ActionManager::~ActionManager() {
    queue_.clear();
    for (auto& [id, action] : actions_) delete action;
    actions_.clear();
    MessageCenter::GetInstance().RemoveListener(&listener_);
}

int ActionManager::AddAction(MESSAGE_ID messageId) {
    auto* action = new MoveObjectsAction();
    action->id = nextId_;
    actions_[nextId_] = action;
    if (listening_.insert(messageId).second) MessageCenter::GetInstance().AddListener(messageId, &listener_);
    return nextId_++;
}

IAction* ActionManager::GetAction(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void ActionManager::QueueAction(int id) {
    if (IAction* action = GetAction(id)) queue_.push_back(action);
}

void ActionManager::RemoveAction(const IAction* action) {
    // Found by address, never read through: a message may outlive the manager that made its
    // action and hand a freed one to a later manager.
    auto it = std::find_if(actions_.begin(), actions_.end(),
                           [action](const auto& entry) { return entry.second == action; });
    if (!action || it == actions_.end()) return;
    queue_.erase(std::remove(queue_.begin(), queue_.end(), it->second), queue_.end());
    delete it->second;
    actions_.erase(it);
}

void ActionManager::HandleMessage(IMessage* message) {
    auto* actionMessage = dynamic_cast<ActionMessage*>(message);
    if (actionMessage && actionMessage->action) QueueAction(actionMessage->action->id);
}

bool ActionManager::Update(double) {
    while (!queue_.empty()) {
        IAction* action = queue_.front();
        queue_.pop_front();
        if (action->enabled) action->Execute();
    }
    return true;
}
