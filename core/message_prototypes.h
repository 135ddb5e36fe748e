#pragma once

#include <map>

#include "core/message.h"

// One prototype message per id. Senders clone a prototype once and reuse the clone.
class MessagePrototypes {
public:
    static MessagePrototypes& GetInstance();
    ~MessagePrototypes();

    IMessage* Get(MESSAGE_ID id) const;
    void Store(MESSAGE_ID id, IMessage* prototype);
    void Reset();

private:
    std::map<MESSAGE_ID, IMessage*> prototypes_;
};

// Stores a T under T's id unless the table already holds one.
template <class T>
void RegisterMessage(MessagePrototypes& table = MessagePrototypes::GetInstance()) {
    if (!table.Get(T::kId)) table.Store(T::kId, new T());
}

// The sender's pattern: make sure the prototype exists, then take one clone to keep.
template <class T>
T* CloneMessage() {
    RegisterMessage<T>();
    return static_cast<T*>(MessagePrototypes::GetInstance().Get(T::kId)->Clone());
}
