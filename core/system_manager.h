#pragma once

#include <cstddef>
#include <map>

#include "core/system.h"

// The engine's one registry of systems. It owns them, runs one frame of all of them in key
// order, and runs the main loop, one pass per game state.
class SystemManager {
public:
    static SystemManager& GetInstance();

    // Registers under the system's own key; a different system already there is deleted.
    void AddSystem(ISystem* system);
    // Null when no system has that key (nothing is entered for it).
    ISystem* GetSystem(SYSTEM_COMP key) const;
    // Null also when the key holds a system of another class.
    template <class T>
    T* Get(SYSTEM_COMP key) const { return dynamic_cast<T*>(GetSystem(key)); }

    void Update(double dt);
    int Run();
    void Shutdown();
    void SetPaused(bool paused);
    bool IsPaused() const { return paused_; }

    // The main loop's steps, public so that tests and benchmarks drive frames themselves.
    void BeginRun();
    void BeginPass();
    // One turn of the frame loop; false once the pass is over (the next state differs).
    bool RunFrame();
    // Ends the pass and resets the level; false when the game has reached "Quit".
    bool EndPass();

    const std::map<SYSTEM_COMP, ISystem*>& Systems() const { return systems_; }
    const std::map<SYSTEM_COMP, double>& Seconds() const { return seconds_; }
    // Deletes every system and forgets all state, for a fresh start.
    void Reset();

private:
    bool paused_ = false;
    std::map<SYSTEM_COMP, ISystem*> systems_;
    std::map<SYSTEM_COMP, double> seconds_;
    size_t stampSlot_ = 0;
};

// What behaviour nodes and the level reset use to reach systems: a view of the registry, so
// it can never dangle.
const std::map<SYSTEM_COMP, ISystem*>& SystemTable();
