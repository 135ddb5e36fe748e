#pragma once

#include "core/json.h"

class GameObject;
class IMessage;

// Component kinds; the value is also the slot in a GameObject. Slot 4 stays empty.
enum GAME_COMP {
    BODY = 0,
    SPRITE = 1,
    CONTROLLER = 2,
    AI_COMPONENT = 3,
    FONT = 5,
    PARTICLE = 6,
};
constexpr int kComponentSlots = 7;

class IGameComponent {
public:
    explicit IGameComponent(GAME_COMP kind) : kind(kind) {}
    virtual ~IGameComponent() = default;
    virtual void SetOwner(GameObject* object) { owner = object; }
    // Re-initialises a component that is switched back on.
    virtual void Initialize() {}
    virtual IGameComponent* Clone() const = 0;
    virtual void HandleMessage(IMessage*) {}
    // Reads the component from its JSON member (key: the creator name, value: its settings).
    virtual void Unserialize(const json::Member& member) = 0;
    virtual void Serialize(json::Writer& writer) const = 0;

    bool active = true;
    // A hidden component counts as absent and stays inactive when its object is activated.
    bool hidden = false;
    GameObject* owner = nullptr;
    GAME_COMP kind;
};

class GameComponentCreator {
public:
    explicit GameComponentCreator(GAME_COMP kind) : kind(kind) {}
    virtual ~GameComponentCreator() = default;
    virtual IGameComponent* Create() const = 0;

    GAME_COMP kind;
};

template <class T>
class GameComponentCreatorType : public GameComponentCreator {
public:
    explicit GameComponentCreatorType(GAME_COMP kind) : GameComponentCreator(kind) {}
    IGameComponent* Create() const override { return new T(); }
};
