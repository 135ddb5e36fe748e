// The real backend under SDL's offscreen driver: events are injected into SDL's own queue, so
// these cover the whole way from an SDL event to what the engine polls.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/steady_clock.h"
#include "platform/virtual_keys.h"

namespace platform {
namespace {

class PlatformSdlBackend : public ::testing::Test {
protected:
    void SetUp() override {
        backend_ = CreateSdlBackend();
        ASSERT_NE(backend_, nullptr);
        ASSERT_TRUE(backend_->GetDisplay().Open("Bramblecourt", 1280, 720));
        Drain();  // whatever the new window announced about itself
    }
    void TearDown() override {
        if (backend_ != nullptr) {
            backend_->GetDisplay().Close();
        }
        backend_.reset();
    }

    std::vector<Event> Drain() {
        std::vector<Event> events;
        Event e;
        while (backend_->GetEvents().Poll(e)) {
            events.push_back(e);
        }
        return events;
    }

    static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    static void PushKey(bool down, SDL_Scancode scancode, bool repeat = false) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat ? 1 : 0;
        e.key.keysym.scancode = scancode;
        e.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        Push(e);
    }

    static void PushWindow(SDL_WindowEventID id, int data1 = 0, int data2 = 0) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = static_cast<Uint8>(id);
        e.window.data1 = data1;
        e.window.data2 = data2;
        Push(e);
    }

    static void PushButton(bool down, Uint8 button) {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = button;
        e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = 5;
        e.button.y = 6;
        Push(e);
    }

    uint8_t KeyState(int virtualKey) {
        uint8_t state[256] = {};
        backend_->GetKeyboardMouse().GetKeyboardState(state);
        return state[virtualKey];
    }

    std::unique_ptr<Backend> backend_;
};

TEST_F(PlatformSdlBackend, QuitArrivesAsQuit) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);
    const std::vector<Event> events = Drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::Quit);
}

TEST_F(PlatformSdlBackend, TerminationSignalBecomesQuit) {
    struct sigaction current {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &current), 0);
    // Without SDL's handler the signal would end this test run, so check before raising.
    ASSERT_NE(current.sa_handler, SIG_DFL) << "SDL's SIGTERM handler is not installed";
    std::raise(SIGTERM);
    const std::vector<Event> events = Drain();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, EventKind::Quit);
}

TEST_F(PlatformSdlBackend, WindowEventsTranslate) {
    struct Case {
        SDL_WindowEventID sdl;
        EventKind expected;
    };
    const Case cases[] = {
        {SDL_WINDOWEVENT_CLOSE, EventKind::Quit},
        {SDL_WINDOWEVENT_FOCUS_GAINED, EventKind::FocusGained},
        {SDL_WINDOWEVENT_FOCUS_LOST, EventKind::FocusLost},
        {SDL_WINDOWEVENT_MINIMIZED, EventKind::Minimized},
        {SDL_WINDOWEVENT_RESTORED, EventKind::Restored},
        {SDL_WINDOWEVENT_MAXIMIZED, EventKind::Maximized},
    };
    for (const Case& c : cases) {
        PushWindow(c.sdl);
        const std::vector<Event> events = Drain();
        ASSERT_EQ(events.size(), 1u) << "window event " << c.sdl;
        EXPECT_EQ(events[0].kind, c.expected) << "window event " << c.sdl;
    }

    PushWindow(SDL_WINDOWEVENT_RESIZED, 1920, 1080);  // always followed by SIZE_CHANGED
    PushWindow(SDL_WINDOWEVENT_SIZE_CHANGED, 1920, 1080);
    const std::vector<Event> events = Drain();
    ASSERT_EQ(events.size(), 1u) << "one resize, one event";
    EXPECT_EQ(events[0].kind, EventKind::Resized);
    EXPECT_EQ(events[0].x, 1920);
    EXPECT_EQ(events[0].y, 1080);
}

TEST_F(PlatformSdlBackend, KeysBecomeVirtualKeyEventsAndKeyboardState) {
    PushKey(true, SDL_SCANCODE_RSHIFT);
    PushKey(true, SDL_SCANCODE_KP_ENTER);
    PushKey(true, SDL_SCANCODE_KP_ENTER, true);  // auto-repeat
    PushKey(true, SDL_SCANCODE_SEMICOLON);
    PushKey(true, SDL_SCANCODE_UNDO);  // no virtual key: dropped
    std::vector<Event> events = Drain();
    ASSERT_EQ(events.size(), 4u);
    const int expectedCodes[] = {vk::kRShift, vk::kReturn, vk::kReturn, vk::kOem1};
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, EventKind::KeyDown) << i;
        EXPECT_EQ(events[i].code, expectedCodes[i]) << i;
    }
    EXPECT_EQ(KeyState(vk::kRShift), kKeyDown);
    EXPECT_EQ(KeyState(vk::kShift), kKeyDown);
    EXPECT_EQ(KeyState(vk::kLShift), 0);
    EXPECT_EQ(KeyState(vk::kReturn), kKeyDown);
    EXPECT_EQ(KeyState(vk::kOem1), kKeyDown);

    PushKey(false, SDL_SCANCODE_RSHIFT);
    PushKey(false, SDL_SCANCODE_KP_ENTER);
    events = Drain();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, EventKind::KeyUp);
    EXPECT_EQ(events[0].code, vk::kRShift);
    EXPECT_EQ(events[1].kind, EventKind::KeyUp);
    EXPECT_EQ(events[1].code, vk::kReturn);
    EXPECT_EQ(KeyState(vk::kShift), 0);
    EXPECT_EQ(KeyState(vk::kReturn), 0);
    EXPECT_EQ(KeyState(vk::kOem1), kKeyDown);
}

TEST_F(PlatformSdlBackend, LosingFocusReleasesHeldKeys) {
    PushKey(true, SDL_SCANCODE_W);
    PushButton(true, SDL_BUTTON_LEFT);
    PushWindow(SDL_WINDOWEVENT_FOCUS_LOST);
    Drain();
    EXPECT_EQ(KeyState('W'), 0);
    EXPECT_EQ(KeyState(vk::kLButton), 0);
}

TEST_F(PlatformSdlBackend, TypedTextBecomesOneCharEventPerCharacter) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "a Z\xC3\xA9\xE2\x82\xAC");  // "a Z", e-acute, euro sign
    Push(e);
    // A broken sequence between two good letters: the letters survive, nothing is invented.
    std::strcpy(e.text.text, "x\xE2\x82y");
    Push(e);
    const std::vector<Event> events = Drain();
    const int expected[] = {'a', ' ', 'Z', 0xE9, 0x20AC, 'x', 'y'};
    ASSERT_EQ(events.size(), std::size(expected));
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].kind, EventKind::Char) << i;
        EXPECT_EQ(events[i].code, expected[i]) << i;
    }
}

TEST_F(PlatformSdlBackend, MouseMovesAndButtons) {
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 321;
    move.motion.y = 123;
    Push(move);
    PushButton(true, SDL_BUTTON_LEFT);
    PushButton(true, SDL_BUTTON_RIGHT);
    PushButton(true, SDL_BUTTON_MIDDLE);
    std::vector<Event> events = Drain();
    ASSERT_EQ(events.size(), 1u) << "buttons show in the state, not as events";
    EXPECT_EQ(events[0].kind, EventKind::MouseMove);
    EXPECT_EQ(events[0].x, 321);
    EXPECT_EQ(events[0].y, 123);
    EXPECT_EQ(KeyState(vk::kLButton), kKeyDown);
    EXPECT_EQ(KeyState(vk::kRButton), kKeyDown);
    EXPECT_EQ(KeyState(vk::kMButton), kKeyDown);

    PushButton(false, SDL_BUTTON_RIGHT);
    Drain();
    EXPECT_EQ(KeyState(vk::kLButton), kKeyDown);
    EXPECT_EQ(KeyState(vk::kRButton), 0);
    int x = 0, y = 0;
    backend_->GetKeyboardMouse().GetMousePosition(x, y);
    EXPECT_EQ(x, 5);  // the button event's own position is the latest
    EXPECT_EQ(y, 6);
}

TEST_F(PlatformSdlBackend, TheWindowIsResizableAndLeavingFullScreenRestoresItsSize) {
    Display& display = backend_->GetDisplay();
    EXPECT_TRUE(display.HasGl());
    // Without it the window manager is told min = max = 1280 x 720 and nobody can resize it.
    ASSERT_NE(SDL_GL_GetCurrentWindow(), nullptr);
    EXPECT_NE(SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) & SDL_WINDOW_RESIZABLE, 0u);
    SDL_DisplayMode desktop{};
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0) << SDL_GetError();
    int w = 0, h = 0;
    EXPECT_TRUE(display.SetFullScreen(true));
    ASSERT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, desktop.w);
    EXPECT_EQ(h, desktop.h);
    EXPECT_TRUE(display.SetFullScreen(true));  // must not save the full-screen size as "windowed"
    EXPECT_TRUE(display.SetFullScreen(false));
    ASSERT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    display.Close();
    EXPECT_FALSE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 0);
    EXPECT_FALSE(display.SetFullScreen(true));  // no window: refused, not a crash
}

// Only what holds however busy the machine is: how late a wait wakes is a figure of the
// benchmarks (clock_wait_lateness).
TEST_F(PlatformSdlBackend, ClockNeverGoesBackAndNeverWakesEarly) {
    Clock& clock = backend_->GetClock();
    uint64_t previous = clock.Now();
    for (int frame = 0; frame < 21; ++frame) {
        // Mostly below and a few above the point where sleeping hands over to spinning.
        const uint64_t target = clock.Now() + (1 + frame % 4) * kTicksPerMillisecond;
        clock.WaitUntil(target);
        const uint64_t woke = clock.Now();
        ASSERT_GE(woke, target) << "woke early in frame " << frame;
        ASSERT_GE(woke, previous) << "time went backwards in frame " << frame;
        previous = woke;
    }
    clock.WaitUntil(clock.Now() - kTicksPerSecond);  // in the past: must not hang
}

// The wait's own logic on a clock the test drives: every read of it takes one tick, and every
// sleep overshoots by `overshoot`, as a busy scheduler's does.
TEST(SteadyClockWait, SleepsOffTheBulkAndSpinsTheLastStretch) {
    struct Case {
        const char* name;
        int64_t wait;  // from the first read of the clock to the deadline; negative: in the past
        uint64_t overshoot;
    };
    const uint64_t ms = kTicksPerMillisecond;
    const Case cases[] = {
        {"deadline in the past", -static_cast<int64_t>(kTicksPerSecond), 0},
        {"deadline now", 0, 0},
        {"shorter than the margin", static_cast<int64_t>(kSpinMargin / 2), ms},
        {"just beyond the margin", static_cast<int64_t>(kSpinMargin + 2), ms},
        {"a frame, exact sleeps", static_cast<int64_t>(16 * ms), 0},
        {"a frame, sleeps late", static_cast<int64_t>(16 * ms), kSpinMargin - 10},
        {"a frame, a sleep later than the margin", static_cast<int64_t>(16 * ms), 3 * kSpinMargin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint64_t start = 10 * kTicksPerSecond;
        const uint64_t tick = static_cast<uint64_t>(static_cast<int64_t>(start) + c.wait);
        uint64_t time = start;
        uint64_t lastRead = 0;
        int reads = 0;
        std::vector<std::pair<uint64_t, uint64_t>> sleeps;  // the clock last read before it, and for how long
        SleepThenSpin(
            tick, [&] { ++reads; return lastRead = time++; },
            [&](uint64_t ticks) {
                sleeps.emplace_back(lastRead, ticks);
                time += ticks + c.overshoot;
            });
        EXPECT_GE(lastRead, tick) << "woke early";
        for (const auto& [when, length] : sleeps) {
            EXPECT_LE(when + length + kSpinMargin, tick) << "slept into the last stretch";
        }
        if (c.wait <= 0) {
            EXPECT_TRUE(sleeps.empty());
            EXPECT_LE(reads, 2) << "a deadline already reached returns at once";
        } else if (static_cast<uint64_t>(c.wait) <= kSpinMargin) {
            EXPECT_TRUE(sleeps.empty()) << "a short wait spins";
        } else {
            EXPECT_FALSE(sleeps.empty()) << "a long wait spun all the way";
        }
        if (c.overshoot <= kSpinMargin && c.wait > 0) {
            EXPECT_EQ(tick, lastRead) << "late by " << lastRead - tick << " ticks";
        }
    }
}

TEST(PlatformSdlBackendStubs, PadsAndSoundAnswerHonestlyUntilImplemented) {
    std::unique_ptr<Backend> backend = CreateSdlBackend();
    PadState out;
    out.buttons = kPadA;
    EXPECT_FALSE(backend->GetPads().GetState(0, out));
    EXPECT_EQ(out.buttons, 0);
    EXPECT_FALSE(backend->GetPads().SetVibration(0, 100, 100));
    EXPECT_FALSE(backend->GetPads().SetVibration(-1, 100, 100));
    (void)backend->GetSound();
}

// SDL can end up on a driver that draws to nothing without anyone asking for one (no X or
// Wayland to reach). Each such driver is refused with the line that says how to get a display,
// naming the driver, rather than a window nobody sees or a bare SDL error.
TEST(PlatformSdlDisplay, RefusesEveryHeadlessDriverNobodyChose) {
    for (const char* driver : {"offscreen", "dummy"}) {
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);  // over the test's own setting
        std::unique_ptr<Backend> backend = CreateSdlBackend();
        ASSERT_STREQ(driver, SDL_GetCurrentVideoDriver());
        // As if SDL had come to it by itself: nobody named a driver.
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "", SDL_HINT_OVERRIDE);
        testing::internal::CaptureStdout();
        const bool opened = backend->GetDisplay().Open("Bramblecourt", 1280, 720);
        const std::string printed = testing::internal::GetCapturedStdout();
        backend.reset();
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
        EXPECT_FALSE(opened) << driver;
        EXPECT_EQ("Display: no display to show the game on (SDL found only its \"" + std::string(driver) +
                      "\" driver); start it in an X or Wayland desktop session, or set DISPLAY to your X display\n",
                  printed);
    }
}

}  // namespace
}  // namespace platform
