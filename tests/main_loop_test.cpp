#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include "core/composite_factory.h"
#include "core/frame_rate_controller.h"
#include "core/message_center.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graphics/game_window.h"
#include "graphics/windows_event_message.h"
#include "input/mouse_position.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"
#include "support/game_test.h"
#include "support/probe_system.h"

namespace {

using platform::Event;
using platform::EventKind;

class MainLoopTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        auto backend = std::make_unique<platform::ScriptedBackend>(false);
        scripted = backend.get();
        platform::Install(std::move(backend));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
    }

    // Runs one pass's frames until the state changes or `frames` have run.
    int RunFrames(int frames) {
        int ran = 0;
        while (ran < frames && systems.RunFrame()) ++ran;
        return ran;
    }

    ProbeSystem* AddProbe(SYSTEM_COMP key) {
        auto* probe = new ProbeSystem(key, &log);
        systems.AddSystem(probe);
        return probe;
    }

    SystemManager& systems = SystemManager::GetInstance();
    FrameRateController& timer = FrameRateController::GetInstance();
    platform::ScriptedBackend* scripted = nullptr;
    std::vector<std::string> log;
};

TEST_F(MainLoopTest, StartUpShowsTheWindowFullScreenWithoutACursor) {
    EXPECT_EQ(std::vector<bool>{true}, scripted->FullScreenRequests());
    EXPECT_FALSE(scripted->CursorVisible());
    auto* window = systems.Get<GameWindow>(GAME_WINDOW);
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(window->isFullScreen);
    EXPECT_EQ(60, timer.fps);
    EXPECT_EQ(166'660u, timer.frameTicks);
}

TEST_F(MainLoopTest, SystemsUpdateInKeyOrderWhateverTheRegistrationOrder) {
    AddProbe(FONT_MANAGER);
    AddProbe(ACTION_MANAGER);
    AddProbe(PHYSICS);
    systems.BeginPass();
    RunFrames(1);
    EXPECT_EQ((std::vector<std::string>{"1", "3", "9"}), log);
    EXPECT_EQ(1u, systems.Seconds().count(PHYSICS));
}

TEST_F(MainLoopTest, ASecondSystemUnderOneKeyDeletesTheFirst) {
    bool firstDeleted = false;
    auto* first = new ProbeSystem(PHYSICS, nullptr, &firstDeleted);
    systems.AddSystem(first);
    systems.AddSystem(first);
    EXPECT_FALSE(firstDeleted) << "registering the same system again keeps it";
    auto* second = new ProbeSystem(PHYSICS);
    systems.AddSystem(second);
    EXPECT_TRUE(firstDeleted);
    EXPECT_EQ(second, systems.GetSystem(PHYSICS));
    const auto unused = static_cast<SYSTEM_COMP>(4);  // no system has key 4
    EXPECT_EQ(nullptr, systems.GetSystem(unused));
    EXPECT_EQ(0u, systems.Systems().count(unused)) << "a look-up enters nothing";
}

TEST_F(MainLoopTest, DtIsThePreviousFrameInWholeMilliseconds) {
    ProbeSystem* probe = AddProbe(PHYSICS);
    systems.BeginPass();
    RunFrames(2);
    probe->onUpdate = [&] { scripted->Advance(40 * platform::kTicksPerMillisecond + 5'000); };
    RunFrames(1);
    probe->onUpdate = nullptr;
    RunFrames(1);
    ASSERT_EQ(4u, probe->dts.size());
    EXPECT_EQ(0.0, probe->dts[0]) << "the first frame of the run";
    EXPECT_DOUBLE_EQ(0.016, probe->dts[1]) << "16.666 ms rounds down to whole milliseconds";
    EXPECT_DOUBLE_EQ(0.016, probe->dts[2]);
    EXPECT_DOUBLE_EQ(0.040, probe->dts[3]) << "a 40.5 ms frame is not followed by a wait";
    EXPECT_EQ(4, timer.frameCount);
}

TEST_F(MainLoopTest, TheFirstFrameOfALaterPassKeepsThePreviousFramesLength) {
    ProbeSystem* probe = AddProbe(PHYSICS);
    systems.BeginPass();
    RunFrames(2);
    GameStateManager::nextState = Level_1;
    RunFrames(1);
    ASSERT_TRUE(systems.EndPass());
    systems.BeginPass();
    RunFrames(1);
    EXPECT_DOUBLE_EQ(0.016, probe->dts.back());
}

TEST_F(MainLoopTest, InactiveOrMinimisedFramesRunNothing) {
    ProbeSystem* probe = AddProbe(PHYSICS);
    systems.BeginPass();
    RunFrames(2);
    const uint64_t elapsed = timer.lastElapsed;

    scripted->PushEvent({EventKind::FocusLost});
    RunFrames(3);
    EXPECT_EQ(2u, probe->dts.size());
    EXPECT_TRUE(systems.IsPaused());
    EXPECT_EQ(1, scripted->MinimizeRequests());
    EXPECT_EQ(2, timer.frameCount);
    EXPECT_EQ(elapsed, timer.lastElapsed);

    // The window manager ignored the minimise request: focus coming back is enough.
    scripted->PushEvent({EventKind::FocusGained});
    RunFrames(1);
    EXPECT_EQ(3u, probe->dts.size());
    EXPECT_FALSE(systems.IsPaused());

    scripted->PushEvent({EventKind::Minimized});
    RunFrames(2);
    EXPECT_EQ(3u, probe->dts.size());
    scripted->PushEvent({EventKind::Restored});
    RunFrames(1);
    EXPECT_EQ(4u, probe->dts.size());
    EXPECT_DOUBLE_EQ(0.016, probe->dts.back()) << "the frame after a pause uses the length from before";
}

TEST_F(MainLoopTest, RestartReloadsThePreviousState) {
    WriteFile("Resources/levelData/level2.json",
              "{\"s\": {\"cameraX\": 0, \"cameraY\": 0, \"cameraZ\": 0, \"gravity\": 0, \"AI file\": \"a.json\"},"
              " \"o\": {\"n\": \"Rock\", \"t\": \"Default\", \"on\": true}}");
    systems.BeginPass();
    GameStateManager::nextState = Level_2;
    RunFrames(1);
    ASSERT_TRUE(systems.EndPass());
    systems.BeginPass();
    EXPECT_EQ(Level_2, GameStateManager::currentState);
    ASSERT_NE(nullptr, GameStateManager::FindObjectByName("Rock"));
    const uint32_t firstRock = GameStateManager::FindObjectByName("Rock")->id;

    GameStateManager::nextState = Restart;
    RunFrames(5);
    ASSERT_TRUE(systems.EndPass());
    systems.BeginPass();
    EXPECT_EQ(Level_2, GameStateManager::currentState);
    EXPECT_EQ(Level_2, GameStateManager::nextState);
    EXPECT_EQ(Level_2, GameStateManager::previousState);
    ASSERT_NE(nullptr, GameStateManager::FindObjectByName("Rock"));
    EXPECT_NE(firstRock, GameStateManager::FindObjectByName("Rock")->id) << "the level was built again";
}

TEST_F(MainLoopTest, InvalidBecomesQuitAfterTheResets) {
    systems.BeginPass();
    GameStateManager::nextState = Invalid;
    RunFrames(1);
    ASSERT_TRUE(systems.EndPass());
    systems.BeginPass();
    EXPECT_EQ(Invalid, GameStateManager::currentState);
    EXPECT_EQ(Quit, GameStateManager::nextState);
    const int frames = timer.frameCount;
    EXPECT_FALSE(systems.RunFrame());
    EXPECT_EQ(frames, timer.frameCount) << "no frame runs in an invalid state";
    EXPECT_FALSE(systems.EndPass());
    EXPECT_TRUE(systems.Systems().empty()) << "quitting deletes every system";
}

TEST_F(MainLoopTest, AQuitEventTakesTheNormalQuitPath) {
    bool deleted = false;
    systems.AddSystem(new ProbeSystem(PHYSICS, nullptr, &deleted));
    systems.BeginPass();
    scripted->PushEvent({EventKind::Quit});
    EXPECT_EQ(0, RunFrames(10));
    EXPECT_FALSE(systems.EndPass());
    EXPECT_TRUE(deleted);
    EXPECT_EQ(Quit, GameStateManager::currentState);
}

TEST_F(MainLoopTest, RunReturnsZeroWhenAGraphAsksForQuit) {
    auto* probe = new ProbeSystem(PHYSICS);
    int frames = 0;
    probe->onUpdate = [&] {
        if (++frames == 3) GameStateManager::nextState = Quit;
    };
    systems.AddSystem(probe);
    EXPECT_EQ(0, systems.Run());
    EXPECT_EQ(3, frames);
}

class WindowEventsTest : public MainLoopTest {
protected:
    class EventLog : public IListener {
    public:
        void HandleMessage(IMessage* message) override {
            auto* event = static_cast<WindowsEventMessage*>(message);
            seen.push_back({event, event->kind, event->wParam, event->lParam});
        }
        struct Seen {
            IMessage* message;
            int kind;
            int64_t wParam;
            int64_t lParam;
        };
        std::vector<Seen> seen;
    } events;
};

TEST_F(WindowEventsTest, SeveralKeyEventsInOneFrameAreOneMessageWithTheLastValues) {
    systems.BeginPass();
    MessageCenter::GetInstance().AddListener(WINDOWS_EVENT, &events);
    scripted->PushEvent({EventKind::KeyDown, 0x41});
    scripted->PushEvent({EventKind::KeyDown, 0x41});
    scripted->PushEvent({EventKind::KeyUp, 0x42});
    RunFrames(1);  // the window's events are delivered in the frame that takes them
    ASSERT_EQ(3u, events.seen.size());
    for (const auto& seen : events.seen) {
        EXPECT_EQ(events.seen[0].message, seen.message);
        EXPECT_EQ(KEY_UP_EVENT, seen.kind);
        EXPECT_EQ(0x42, seen.wParam);
    }
    MessageCenter::GetInstance().RemoveListener(&events);
}

TEST_F(WindowEventsTest, MouseMovesSetThePositionFromTheCentreWithYUp) {
    systems.BeginPass();
    MessageCenter::GetInstance().AddListener(WINDOWS_EVENT, &events);
    scripted->PushEvent({EventKind::MouseMove, 0, 1000, 100});
    RunFrames(2);
    ASSERT_EQ(1u, events.seen.size());
    EXPECT_EQ(MOUSE_MOVE_EVENT, events.seen[0].kind);
    EXPECT_EQ(1000 | (100 << 16), events.seen[0].lParam);
    EXPECT_EQ(1000 - 640, MousePosition().x);
    EXPECT_EQ(360 - 100, MousePosition().y);
    MessageCenter::GetInstance().RemoveListener(&events);
}

TEST_F(WindowEventsTest, EventsAreAllHandledInTheFrameTheyArrive) {
    systems.BeginPass();
    auto* window = systems.Get<GameWindow>(GAME_WINDOW);
    scripted->PushEvent({EventKind::Minimized});
    scripted->PushEvent({EventKind::Restored});
    scripted->PushEvent({EventKind::FocusLost});
    RunFrames(1);
    EXPECT_FALSE(window->isMinimized);
    EXPECT_FALSE(window->isActive);
}

// The game on offscreen GL: the window manager resizing the window reaches the picture.
using WindowOnScreenTest = GameTest;

TEST_F(WindowOnScreenTest, AResizeReachesTheViewportAndAMinimisedWindowKeepsIt) {
    StartGame();
    const auto viewport = [] {
        GLint box[4] = {};
        glGetIntegerv(GL_VIEWPORT, box);
        return std::vector<int>(box, box + 4);
    };
    Frames(1);
    EXPECT_EQ((std::vector<int>{0, 0, 1280, 720}), viewport());
    scripted->ResizeWindow(1600, 900);
    Frames(1);
    EXPECT_EQ((std::vector<int>{0, 0, 1600, 900}), viewport());
    scripted->ResizeWindow(0, 0);  // what a minimised window reports
    Frames(1);
    EXPECT_EQ((std::vector<int>{0, 0, 1600, 900}), viewport());
}

// A picture is drawn for the window's size of its frame; presented into a window that has
// changed size since, it would show cut or stretched. Reported or not, it is dropped, and the
// next one, drawn for the new size, is shown.
TEST_F(WindowOnScreenTest, APictureDrawnForAnotherSizeIsNeverPresented) {
    StartGame();
    Frames(2);
    for (const bool reported : {true, false}) {
        SCOPED_TRACE(reported ? "the resize reported" : "the resize unreported");
        const int shown = scripted->PresentCount();
        Frames(1);
        EXPECT_EQ(shown + 1, scripted->PresentCount()) << "a frame of a window that keeps its size";
        scripted->ResizeWindow(reported ? 1600 : 1280, reported ? 900 : 720, reported);
        Frames(1);
        EXPECT_EQ(shown + 1, scripted->PresentCount()) << "the picture drawn for the old size";
        Frames(1);
        EXPECT_EQ(shown + 2, scripted->PresentCount()) << "the one drawn for the new size";
    }
}

}  // namespace
