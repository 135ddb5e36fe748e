#pragma once

// Message ids. 1 is listened for by controllers but carried by no message; 4 and 5 are unused.
enum MESSAGE_ID {
    BODY_PICKING = 0,
    CONTROLLER_EVENT = 1,
    MOVE_OBJECTS = 2,
    COLLISION = 3,
    CHANGE_LEVEL = 6,
    RESPAWN_OBJ = 7,
    CHANGE_SCENE = 8,
    LEVEL_STATUS = 9,
    WINDOWS_EVENT = 10,
};

class IMessage {
public:
    explicit IMessage(MESSAGE_ID id) : id(id) {}
    // Both queue the message for the next MessageCenter::Dispatch.
    void Send();
    void Post();
    virtual ~IMessage() = default;
    // A fresh message of the same class with its constructor's values (never this payload),
    // recorded in the message centre's created list.
    virtual IMessage* Clone() const = 0;

    MESSAGE_ID id;
};

// Records a clone in the message centre's created list.
void RecordCreatedMessage(IMessage* message);

// The shared Clone of every message class. Base is IMessage or an intermediate base that is
// constructed from the id.
template <class Derived, MESSAGE_ID Id, class Base = IMessage>
class MessageOf : public Base {
public:
    static constexpr MESSAGE_ID kId = Id;
    MessageOf() : Base(Id) {}
    IMessage* Clone() const override {
        IMessage* copy = new Derived();
        RecordCreatedMessage(copy);
        return copy;
    }
};

class IListener {
public:
    explicit IListener(void* owner = nullptr) : owner(owner) {}
    virtual void HandleMessage(IMessage* message) = 0;
    virtual ~IListener() = default;

    void* owner;
};
