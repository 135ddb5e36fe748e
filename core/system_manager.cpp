#include "core/system_manager.h"

#include "audio/sound_system.h"
#include "core/frame_rate_controller.h"
#include "core/message_center.h"
#include "flow/game_state_manager.h"
#include "graphics/game_window.h"
#include "platform/platform.h"

namespace {
constexpr int kFramesPerSecond = 60;
constexpr uint64_t kFrameTicks = 166'660;  // 1/60 s, truncated
// A hidden or minimised game has nothing to draw: nap between looks at the event queue
// instead of keeping a core busy.
constexpr uint64_t kIdleTicks = 10 * platform::kTicksPerMillisecond;
}  // namespace

SystemManager& SystemManager::GetInstance() {
    // Never destroyed: an exit from the middle of a frame (a missing control binding) runs the
    // static destructors of message prototypes and components, and they still ask for systems.
    static SystemManager* const instance = new SystemManager;
    return *instance;
}

const std::map<SYSTEM_COMP, ISystem*>& SystemTable() { return SystemManager::GetInstance().Systems(); }

void SystemManager::AddSystem(ISystem* system) {
    if (!system) return;
    auto [it, inserted] = systems_.emplace(system->key, system);
    if (!inserted && it->second != system) {
        delete it->second;
        it->second = system;
    }
}

ISystem* SystemManager::GetSystem(SYSTEM_COMP key) const {
    auto it = systems_.find(key);
    return it == systems_.end() ? nullptr : it->second;
}

void SystemManager::SetPaused(bool paused) {
    paused_ = paused;
    SoundSystem::GetInstance().PauseAll(paused);
}

void SystemManager::Update(double dt) {
    MessageCenter::GetInstance().Dispatch();
    SoundSystem::GetInstance().Update();
    auto& timer = FrameRateController::GetInstance();
    auto& clock = platform::Current().GetClock();
    if (stampSlot_ >= timer.stamps.size()) stampSlot_ = timer.AddStamp(0);  // a frame outside Run
    for (auto& [key, system] : systems_) {
        if (!system) continue;
        timer.stamps[stampSlot_] = clock.Now();
        system->Update(dt);
        timer.now = clock.Now();
        seconds_[key] = TicksToWholeMillisecondSeconds(timer.now - timer.stamps[stampSlot_]);
    }
}

void SystemManager::BeginRun() {
    auto& timer = FrameRateController::GetInstance();
    stampSlot_ = timer.AddStamp(0);
    timer.fps = kFramesPerSecond;
    timer.frameTicks = kFrameTicks;
    GameStateManager::BuildStateNames();
    GameStateManager::nextState = GameStateManager::currentState = GameStateManager::previousState = MainMenu;
}

void SystemManager::BeginPass() {
    if (GameStateManager::currentState == Restart) {
        GameStateManager::nextState = GameStateManager::currentState = GameStateManager::previousState;
    }
    GameStateManager::LoadState();
}

bool SystemManager::RunFrame() {
    if (GameStateManager::nextState != GameStateManager::currentState) return false;
    platform::Backend& backend = platform::Current();
    auto* window = Get<GameWindow>(GAME_WINDOW);
    // Every pending event is handled now: taking one per frame would let a stream of mouse
    // moves pile up into ever-growing input lag.
    platform::Event event;
    while (backend.GetEvents().Poll(event)) {
        if (window) window->HandleEvent(event);
        else if (event.kind == platform::EventKind::Quit) GameStateManager::Request(GameStateManager::nextState, Quit);
    }
    auto& clock = backend.GetClock();
    if (window && (!window->isActive || window->isMinimized)) {
        SoundSystem::GetInstance().PauseAll(true);
        clock.WaitUntil(clock.Now() + kIdleTicks);
        return GameStateManager::nextState == GameStateManager::currentState;
    }
    SoundSystem::GetInstance().PauseAll(false);
    auto& timer = FrameRateController::GetInstance();
    timer.frameStart = clock.Now();
    Update(timer.LastElapsedSeconds());
    clock.WaitUntil(timer.frameStart + timer.frameTicks);
    timer.now = clock.Now();
    timer.lastElapsed = timer.now - timer.frameStart;
    ++timer.frameCount;
    return GameStateManager::nextState == GameStateManager::currentState;
}

bool SystemManager::EndPass() {
    GameStateManager::previousState = GameStateManager::currentState;
    GameStateManager::currentState = GameStateManager::nextState;
    GameStateManager::ResetLevel();
    if (GameStateManager::currentState == Quit) {
        Shutdown();
        return false;
    }
    return true;
}

int SystemManager::Run() {
    BeginRun();
    for (;;) {
        BeginPass();
        while (RunFrame()) {
        }
        if (!EndPass()) return 0;
    }
}

void SystemManager::Shutdown() {
    for (auto& [key, system] : systems_) {
        delete system;
        system = nullptr;
    }
    systems_.clear();
}

void SystemManager::Reset() {
    Shutdown();
    seconds_.clear();
    paused_ = false;
    stampSlot_ = 0;
}
