// The scripted backend is what every engine test drives time and input through; if it drifts
// from the real backend's contract, those tests pass against behaviour the game never sees.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"

namespace platform {
namespace {

TEST(PlatformScriptedClock, StartsAwayFromZeroAndOnlyMovesForward) {
    ScriptedBackend backend(false);
    Clock& clock = backend.GetClock();
    const uint64_t start = clock.Now();
    EXPECT_GT(start, 0u);
    EXPECT_EQ(backend.Now(), start);

    backend.Advance(kTicksPerSecond / 60);
    EXPECT_EQ(clock.Now(), start + kTicksPerSecond / 60);

    clock.WaitUntil(start + kTicksPerSecond);
    EXPECT_EQ(clock.Now(), start + kTicksPerSecond);

    clock.WaitUntil(start);  // already past: waiting must not turn time back
    EXPECT_EQ(clock.Now(), start + kTicksPerSecond);

    backend.Advance(0);
    EXPECT_EQ(backend.Now(), start + kTicksPerSecond);
}

TEST(PlatformScriptedClock, HugeAdvanceSaturatesInsteadOfWrapping) {
    ScriptedBackend backend(false);
    const uint64_t before = backend.Now();
    backend.Advance(std::numeric_limits<uint64_t>::max());
    EXPECT_GE(backend.Now(), before);
}

TEST(PlatformScriptedEvents, ComeOutInTheOrderPushedThenRunDry) {
    ScriptedBackend backend(false);
    const std::vector<Event> pushed = {
        {EventKind::KeyDown, vk::kSpace, 0, 0},
        {EventKind::Char, ' ', 0, 0},
        {EventKind::MouseMove, 0, 17, 230},
        {EventKind::Resized, 0, 1920, 1080},
        {EventKind::KeyUp, vk::kSpace, 0, 0},
        {EventKind::Quit, 0, 0, 0},
    };
    for (const Event& e : pushed) {
        backend.PushEvent(e);
    }
    EventSource& events = backend.GetEvents();
    for (size_t i = 0; i < pushed.size(); ++i) {
        Event e;
        ASSERT_TRUE(events.Poll(e)) << "event " << i;
        EXPECT_EQ(e.kind, pushed[i].kind) << "event " << i;
        EXPECT_EQ(e.code, pushed[i].code) << "event " << i;
        EXPECT_EQ(e.x, pushed[i].x) << "event " << i;
        EXPECT_EQ(e.y, pushed[i].y) << "event " << i;
    }
    Event none;
    EXPECT_FALSE(events.Poll(none));
    EXPECT_FALSE(events.Poll(none));
}

TEST(PlatformScriptedInput, KeysAndMouseFeedTheKeyboardState) {
    ScriptedBackend backend(false);
    backend.SetKey('D', true);
    backend.SetKey(vk::kRControl, true);
    backend.SetKey(vk::kLButton, true);
    backend.SetMousePosition(640, 360);

    uint8_t state[256] = {};
    backend.GetKeyboardMouse().GetKeyboardState(state);
    EXPECT_EQ(state[int{'D'}], kKeyDown);
    EXPECT_EQ(state[vk::kRControl], kKeyDown);
    EXPECT_EQ(state[vk::kControl], kKeyDown);
    EXPECT_EQ(state[vk::kLButton], kKeyDown);
    EXPECT_EQ(state[int{'A'}], 0);
    int x = 0, y = 0;
    backend.GetKeyboardMouse().GetMousePosition(x, y);
    EXPECT_EQ(x, 640);
    EXPECT_EQ(y, 360);

    backend.SetKey('D', false);
    backend.SetKey(vk::kRControl, false);
    backend.SetKey(999, true);  // out of range: ignored, not a crash
    backend.GetKeyboardMouse().GetKeyboardState(state);
    EXPECT_EQ(state[int{'D'}], 0);
    EXPECT_EQ(state[vk::kControl], 0);
}

TEST(PlatformScriptedPads, ConnectReadRumbleAndDisconnect) {
    ScriptedBackend backend(false);
    Pads& pads = backend.GetPads();
    PadState out;
    for (int player = 0; player < kMaxPads; ++player) {
        EXPECT_FALSE(pads.GetState(player, out)) << "player " << player;
        EXPECT_FALSE(pads.SetVibration(player, 1, 1)) << "nobody to rumble for " << player;
    }

    PadState pressed;
    pressed.packet = 7;
    pressed.buttons = kPadA | kPadStart;
    pressed.thumbLY = 32767;
    pressed.rightTrigger = 255;
    backend.SetPad(2, pressed);

    ASSERT_TRUE(pads.GetState(2, out));
    EXPECT_EQ(out.packet, 7u);
    EXPECT_EQ(out.buttons, kPadA | kPadStart);
    EXPECT_EQ(out.thumbLY, 32767);
    EXPECT_EQ(out.rightTrigger, 255);
    EXPECT_FALSE(pads.GetState(1, out));
    EXPECT_EQ(out.buttons, 0) << "a missing pad reads as idle";

    EXPECT_TRUE(pads.SetVibration(2, 65535, 1000));
    EXPECT_EQ(backend.LastRumble(2).left, 65535);
    EXPECT_EQ(backend.LastRumble(2).right, 1000);

    backend.DisconnectPad(2);
    EXPECT_FALSE(pads.GetState(2, out));
    EXPECT_FALSE(pads.SetVibration(2, 5, 5));
}

TEST(PlatformScriptedPads, PlayerSlotsOutsideZeroToThreeAreRefused) {
    ScriptedBackend backend(false);
    PadState state;
    state.buttons = kPadB;
    const int badSlots[] = {-1, kMaxPads, 1000};
    for (int player : badSlots) {
        backend.SetPad(player, state);
        backend.DisconnectPad(player);
        PadState out;
        EXPECT_FALSE(backend.GetPads().GetState(player, out)) << player;
        EXPECT_FALSE(backend.GetPads().SetVibration(player, 1, 2)) << player;
        EXPECT_EQ(backend.LastRumble(player).left, 0) << player;
    }
}

TEST(PlatformScriptedDisplay, LogicOnlyDisplayOpensWithoutGl) {
    ScriptedBackend backend(false);
    Display& display = backend.GetDisplay();
    int w = -1, h = -1;
    EXPECT_FALSE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);

    ASSERT_TRUE(display.Open("Bramblecourt", 1280, 720));
    EXPECT_TRUE(display.IsOpen());
    EXPECT_FALSE(display.HasGl());
    EXPECT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    display.Present();  // nothing to show, but must be harmless

    EXPECT_FALSE(display.Open("Bramblecourt", 1280, 720)) << "a second window is an error";

    display.Close();
    EXPECT_FALSE(display.IsOpen());
    EXPECT_FALSE(display.GetClientSize(w, h));
}

TEST(PlatformScriptedDisplay, RefusesEmptyOrNegativeSizes) {
    ScriptedBackend backend(false);
    const int sizes[][2] = {{0, 720}, {1280, 0}, {-1, 720}, {1280, -720}};
    for (const auto& size : sizes) {
        EXPECT_FALSE(backend.GetDisplay().Open("Bramblecourt", size[0], size[1]))
            << size[0] << " x " << size[1];
        EXPECT_FALSE(backend.GetDisplay().IsOpen());
    }
}

TEST(PlatformScriptedDisplay, WindowManagerRequestsAreRecordedNotObeyed) {
    ScriptedBackend backend(false);
    Display& display = backend.GetDisplay();
    EXPECT_FALSE(display.SetFullScreen(true)) << "no window yet";
    ASSERT_TRUE(display.Open("Bramblecourt", 1280, 720));
    EXPECT_EQ(backend.MinimizeRequests(), 0);
    EXPECT_TRUE(backend.CursorVisible());

    EXPECT_TRUE(display.SetFullScreen(true));
    EXPECT_TRUE(display.SetFullScreen(true));
    backend.RefuseFullScreenSwitches(true);
    EXPECT_FALSE(display.SetFullScreen(false));
    backend.RefuseFullScreenSwitches(false);
    EXPECT_TRUE(display.SetFullScreen(false));
    display.RequestMinimize();
    display.RequestMinimize();
    display.ShowCursor(false);

    EXPECT_EQ(backend.FullScreenRequests(), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(backend.MinimizeRequests(), 2);
    EXPECT_FALSE(backend.CursorVisible());
    int w = 0, h = 0;
    ASSERT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);

    // A resize by the window manager: the new size, and the event that tells of it.
    backend.ResizeWindow(1600, 900);
    ASSERT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 1600);
    EXPECT_EQ(h, 900);
    Event resized;
    ASSERT_TRUE(backend.GetEvents().Poll(resized));
    EXPECT_EQ(resized.kind, EventKind::Resized);
    EXPECT_EQ(resized.x, 1600);
    EXPECT_EQ(resized.y, 900);
}

// Counts how the platform registry treats the backend it owns.
struct Observations {
    int closes = 0;
    int destructions = 0;
    bool closedBeforeDestroyed = false;
};

class WatchedDisplay : public Display {
public:
    explicit WatchedDisplay(Observations& seen) : seen_(seen) {}
    bool Open(const char*, int, int) override { return true; }
    bool IsOpen() const override { return true; }
    bool HasGl() const override { return false; }
    void Present() override {}
    bool GetClientSize(int& w, int& h) const override { w = h = 0; return false; }
    bool SetFullScreen(bool) override { return false; }
    void RequestMinimize() override {}
    void ShowCursor(bool) override {}
    void Close() override { ++seen_.closes; }

private:
    Observations& seen_;
};

class WatchedBackend : public ScriptedBackend {
public:
    explicit WatchedBackend(Observations& seen)
        : ScriptedBackend(false), seen_(seen), display_(seen) {}
    ~WatchedBackend() override {
        seen_.closedBeforeDestroyed = seen_.closes > 0;
        ++seen_.destructions;
    }
    Display& GetDisplay() override { return display_; }

private:
    Observations& seen_;
    WatchedDisplay display_;
};

TEST(PlatformRegistry, StandInUntilInstalledAndClosedOnUninstall) {
    Uninstall();
    Backend& standIn = Current();
    EXPECT_FALSE(standIn.GetDisplay().HasGl());
    EXPECT_EQ(&Current(), &standIn) << "the stand-in is made once";

    Observations seen;
    auto owned = std::make_unique<WatchedBackend>(seen);
    Backend* installed = owned.get();
    Install(std::move(owned));
    EXPECT_EQ(&Current(), installed);

    Uninstall();
    EXPECT_EQ(seen.closes, 1);
    EXPECT_EQ(seen.destructions, 1);
    EXPECT_TRUE(seen.closedBeforeDestroyed);
    EXPECT_EQ(&Current(), &standIn);

    Uninstall();  // nothing installed: nothing to do
    EXPECT_EQ(seen.destructions, 1);
}

TEST(PlatformRegistry, InstallingOverABackendRetiresTheOldOne) {
    Observations first, second;
    Install(std::make_unique<WatchedBackend>(first));
    Install(std::make_unique<WatchedBackend>(second));
    EXPECT_EQ(first.closes, 1);
    EXPECT_EQ(first.destructions, 1);
    EXPECT_EQ(second.destructions, 0);
    Uninstall();
    EXPECT_EQ(second.destructions, 1);
}

}  // namespace
}  // namespace platform
