#pragma once

class IMessage;

// System keys: the update order and the shut-down order. No system has key 4.
enum SYSTEM_COMP {
    COMPOSITE_FACTORY = 0,
    ACTION_MANAGER = 1,
    AI_MANAGER = 2,
    PHYSICS = 3,
    GAME_WINDOW = 5,
    INPUT_MANAGER = 6,
    GRAPHIC_GL = 7,
    PARTICLE_MANAGER = 8,
    FONT_MANAGER = 9,
};

class ISystem {
public:
    explicit ISystem(SYSTEM_COMP key) : key(key) {}
    virtual void HandleMessage(IMessage*) {}
    virtual bool Init() = 0;
    // dt in seconds; the result is ignored.
    virtual bool Update(double /*dt*/) { return true; }
    virtual ~ISystem() = default;

    SYSTEM_COMP key;
};
