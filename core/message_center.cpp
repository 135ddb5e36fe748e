#include "core/message_center.h"

#include <algorithm>

void IMessage::Send() { MessageCenter::GetInstance().QueueSent(this); }
void IMessage::Post() { MessageCenter::GetInstance().QueuePosted(this); }
void RecordCreatedMessage(IMessage* message) { MessageCenter::GetInstance().RecordCreated(message); }

MessageCenter& MessageCenter::GetInstance() {
    // Never destroyed: messages and their clones live until the process ends, and an exit that
    // skips the engine's reset (a fatal control-file error) must not strand them in a destroyed list.
    static MessageCenter* instance = new MessageCenter;
    return *instance;
}

void MessageCenter::AddListener(MESSAGE_ID id, IListener* listener) {
    listeners_.emplace(id, listener);  // equal keys keep their insertion order
}

void MessageCenter::RemoveListener(IListener* listener) {
    for (auto it = listeners_.begin(); it != listeners_.end();) {
        it = it->second == listener ? listeners_.erase(it) : std::next(it);
    }
    if (dispatching_) removedDuringDispatch_.push_back(listener);
}

void MessageCenter::QueueSent(IMessage* message) { sent_.push_back(message); }
void MessageCenter::QueuePosted(IMessage* message) { posted_.push_back(message); }
void MessageCenter::RecordCreated(IMessage* message) { created_.push_back(message); }

void MessageCenter::DeliverFront(std::deque<IMessage*>& queue, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        IMessage* message = queue[i];
        if (!message) continue;  // released while queued
        scratch_.clear();
        auto range = listeners_.equal_range(message->id);
        for (auto it = range.first; it != range.second; ++it) scratch_.push_back(it->second);
        for (size_t l = 0; l < scratch_.size(); ++l) {
            IListener* listener = scratch_[l];
            if (!removedDuringDispatch_.empty() &&
                std::find(removedDuringDispatch_.begin(), removedDuringDispatch_.end(), listener) !=
                    removedDuringDispatch_.end()) {
                continue;
            }
            listener->HandleMessage(message);
            if (!queue[i]) break;  // the handler released the message it was given
        }
    }
    queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(count));
}

void MessageCenter::Dispatch() {
    dispatching_ = true;
    DeliverFront(sent_, sent_.size());
    DeliverFront(posted_, posted_.size());
    dispatching_ = false;
    removedDuringDispatch_.clear();
}

void MessageCenter::ClearPosted() {
    if (dispatching_) {
        std::fill(posted_.begin(), posted_.end(), nullptr);
        return;
    }
    posted_.clear();
}

void MessageCenter::Release(IMessage* message) {
    if (!message) return;
    for (auto* queue : {&sent_, &posted_}) {
        if (dispatching_) {
            // Delivery walks these queues by index: blank the entries instead of shifting them.
            std::replace(queue->begin(), queue->end(), message, static_cast<IMessage*>(nullptr));
        } else {
            queue->erase(std::remove(queue->begin(), queue->end(), message), queue->end());
        }
    }
    created_.erase(std::remove(created_.begin(), created_.end(), message), created_.end());
    delete message;
}

void MessageCenter::Reset() {
    listeners_.clear();
    sent_.clear();
    posted_.clear();
    for (IMessage* message : created_) delete message;
    created_.clear();
    scratch_.clear();
    removedDuringDispatch_.clear();
    dispatching_ = false;
}
