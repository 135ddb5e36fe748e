#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <vector>

#include "core/message.h"

// Delivers every queued message once per frame: first the sent queue, then the posted queue.
// Messages posted while the sent queue is delivered arrive in the same Dispatch.
class MessageCenter {
public:
    static MessageCenter& GetInstance();

    void AddListener(MESSAGE_ID id, IListener* listener);
    void RemoveListener(IListener* listener);
    void Dispatch();
    void ClearPosted();

    void QueueSent(IMessage* message);
    void QueuePosted(IMessage* message);
    void RecordCreated(IMessage* message);
    // Takes a clone out of both queues and the created list, then deletes it.
    void Release(IMessage* message);

    size_t CreatedCount() const { return created_.size(); }
    size_t SentCount() const { return sent_.size(); }
    size_t PostedCount() const { return posted_.size(); }
    size_t ListenerCount() const { return listeners_.size(); }

    // Back to a fresh centre: every listener dropped, every created message deleted.
    void Reset();

private:
    void DeliverFront(std::deque<IMessage*>& queue, size_t count);

    std::multimap<MESSAGE_ID, IListener*> listeners_;
    std::deque<IMessage*> created_;
    std::deque<IMessage*> posted_;
    std::deque<IMessage*> sent_;
    // Reused each delivery so steady frames allocate nothing.
    std::vector<IListener*> scratch_;
    // Listeners removed while a delivery walks its snapshot: they must not be called.
    std::vector<IListener*> removedDuringDispatch_;
    bool dispatching_ = false;
};
