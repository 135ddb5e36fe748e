#include "platform/scripted_backend.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "platform/scripted_display.h"
#include "platform/tracked_keyboard_mouse.h"

namespace platform {
namespace {

bool IsPlayerSlot(int player) {
    return player >= 0 && player < kMaxPads;
}

class ScriptedEvents : public EventSource {
public:
    bool Poll(Event& out) override {
        if (queue_.empty()) {
            return false;
        }
        out = queue_.front();
        queue_.pop_front();
        return true;
    }
    void Push(const Event& event) { queue_.push_back(event); }

private:
    std::deque<Event> queue_;
};

// Starts well away from zero so code that treats tick 0 as "never" is not fooled.
constexpr uint64_t kFirstTick = 1'000'000'000;

class ScriptedClock : public Clock {
public:
    uint64_t Now() override { return now_; }
    void WaitUntil(uint64_t tick) override { now_ = std::max(now_, tick); }

    uint64_t Peek() const { return now_; }
    void Advance(uint64_t ticks) {
        const uint64_t room = std::numeric_limits<uint64_t>::max() - now_;
        now_ += std::min(ticks, room);
    }

private:
    uint64_t now_ = kFirstTick;
};

class ScriptedPads : public Pads {
public:
    bool GetState(int player, PadState& out) override {
        out = PadState{};
        if (!IsPlayerSlot(player) || !slots_[static_cast<size_t>(player)]) {
            return false;
        }
        out = *slots_[static_cast<size_t>(player)];
        return true;
    }
    bool SetVibration(int player, uint16_t left, uint16_t right) override {
        if (!IsPlayerSlot(player) || !slots_[static_cast<size_t>(player)]) {
            return false;
        }
        rumble_[static_cast<size_t>(player)] = {left, right};
        return true;
    }

    void Connect(int player, const PadState& state) {
        if (IsPlayerSlot(player)) {
            slots_[static_cast<size_t>(player)] = state;
        }
    }
    void Disconnect(int player) {
        if (IsPlayerSlot(player)) {
            slots_[static_cast<size_t>(player)].reset();
            rumble_[static_cast<size_t>(player)] = {};  // a pad plugged in later starts still
        }
    }
    ScriptedBackend::Rumble LastRumble(int player) const {
        return IsPlayerSlot(player) ? rumble_[static_cast<size_t>(player)]
                                    : ScriptedBackend::Rumble{};
    }

private:
    std::array<std::optional<PadState>, kMaxPads> slots_;
    std::array<ScriptedBackend::Rumble, kMaxPads> rumble_{};
};

}  // namespace

struct ScriptedBackend::Impl {
    explicit Impl(bool withGl) : display(withGl) {}

    ScriptedDisplay display;
    ScriptedEvents events;
    TrackedKeyboardMouse input;
    ScriptedClock clock;
    ScriptedPads pads;
    // The real mixer: tests run it on SDL's dummy audio driver. It touches SDL only once the
    // sound system opens it.
    std::unique_ptr<SoundDevice> sound = CreateMixerSoundDevice();
};

ScriptedBackend::ScriptedBackend(bool withGl) : impl_(std::make_unique<Impl>(withGl)) {}
ScriptedBackend::~ScriptedBackend() = default;

Display& ScriptedBackend::GetDisplay() { return impl_->display; }
EventSource& ScriptedBackend::GetEvents() { return impl_->events; }
KeyboardMouse& ScriptedBackend::GetKeyboardMouse() { return impl_->input; }
Clock& ScriptedBackend::GetClock() { return impl_->clock; }
Pads& ScriptedBackend::GetPads() { return impl_->pads; }
SoundDevice& ScriptedBackend::GetSound() { return *impl_->sound; }

void ScriptedBackend::PushEvent(const Event& event) { impl_->events.Push(event); }
void ScriptedBackend::SetKey(int virtualKey, bool down) { impl_->input.SetKey(virtualKey, down); }
void ScriptedBackend::SetMousePosition(int x, int y) { impl_->input.SetMousePosition(x, y); }
void ScriptedBackend::SetPad(int player, const PadState& state) {
    impl_->pads.Connect(player, state);
}
void ScriptedBackend::DisconnectPad(int player) { impl_->pads.Disconnect(player); }
void ScriptedBackend::ResizeWindow(int width, int height, bool reported) {
    impl_->display.SetClientSize(width, height);
    if (reported) impl_->events.Push({EventKind::Resized, 0, width, height});
}
void ScriptedBackend::RefuseFullScreenSwitches(bool refuse) {
    impl_->display.RefuseFullScreenSwitches(refuse);
}

uint64_t ScriptedBackend::Now() const { return impl_->clock.Peek(); }
void ScriptedBackend::Advance(uint64_t ticks) { impl_->clock.Advance(ticks); }

const std::vector<bool>& ScriptedBackend::FullScreenRequests() const {
    return impl_->display.FullScreenRequests();
}
int ScriptedBackend::MinimizeRequests() const { return impl_->display.MinimizeRequests(); }

int ScriptedBackend::PresentCount() const { return impl_->display.PresentCount(); }
bool ScriptedBackend::CursorVisible() const { return impl_->display.CursorVisible(); }
ScriptedBackend::Rumble ScriptedBackend::LastRumble(int player) const {
    return impl_->pads.LastRumble(player);
}

}  // namespace platform
