#include "core/message_prototypes.h"

MessagePrototypes& MessagePrototypes::GetInstance() {
    static MessagePrototypes instance;
    return instance;
}

MessagePrototypes::~MessagePrototypes() { Reset(); }

IMessage* MessagePrototypes::Get(MESSAGE_ID id) const {
    auto it = prototypes_.find(id);
    return it == prototypes_.end() ? nullptr : it->second;
}

void MessagePrototypes::Store(MESSAGE_ID id, IMessage* prototype) {
    auto [it, inserted] = prototypes_.emplace(id, prototype);
    if (!inserted) {
        delete it->second;
        it->second = prototype;
    }
}

void MessagePrototypes::Reset() {
    for (auto& entry : prototypes_) delete entry.second;
    prototypes_.clear();
}
