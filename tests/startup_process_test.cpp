#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"
#include "support/game_process.h"

namespace {

using StartUpTest = ResourcesTest;

TEST_F(StartUpTest, TheFirstPictureIsTheClearedBackground) {
    platform::Install(std::make_unique<platform::ScriptedBackend>(true));
    ASSERT_TRUE(StartUp());
    unsigned char pixel[4] = {};
    glReadPixels(640, 360, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(201, pixel[0]);
    EXPECT_EQ(230, pixel[1]);
    EXPECT_EQ(240, pixel[2]);
    EXPECT_EQ(255, pixel[3]);
}

TEST_F(StartUpTest, ARunOfTheGameLeavesResourcesAsCommitted) {
    platform::Install(std::make_unique<platform::ScriptedBackend>(false));
    ASSERT_TRUE(StartUp());
    SystemManager& systems = SystemManager::GetInstance();
    systems.BeginRun();
    systems.BeginPass();
    for (int i = 0; i < 3; ++i) systems.RunFrame();
    GameStateManager::nextState = Quit;
    systems.RunFrame();
    EXPECT_FALSE(systems.EndPass());
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
}

TEST_F(StartUpTest, TheGameEndsCleanlyOnSigtermAndLeavesResourcesUnchanged) {
    GameProcess game;
    ASSERT_TRUE(game.WaitUntilCatches(SIGTERM, std::chrono::seconds(10))) << "the game never took over SIGTERM";
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the main loop
    game.Signal(SIGTERM);
    const Ending ending = game.Wait(std::chrono::seconds(30));
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_EQ(0, ending.code) << Describe(ending);
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
}

// Started where there is no display at all (no X, no Wayland, no driver named), SDL would fall
// back to drawing to nothing and the game would run on with no window anywhere: it must say
// so in one line and stop.
TEST_F(StartUpTest, WithNoDisplayTheGameSaysHowToGetOneAndStops) {
    ProcessOptions options;
    // A developer's own session must not leak in: Wayland also looks for its default socket
    // under XDG_RUNTIME_DIR.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "XDG_RUNTIME_DIR"}) {
        options.environment[name] = std::nullopt;
    }
    options.errorsWithOutput = false;  // the system libraries' own complaints about the missing display
    GameProcess game(options);
    const Ending ending = game.Wait(std::chrono::seconds(20));
    ASSERT_FALSE(ending.timedOut) << "the game ran on with no display\n" << Describe(ending);
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_NE(0, ending.code) << Describe(ending);
    const std::string& text = ending.output;
    EXPECT_EQ(0u, text.find("Display: no display to show the game on")) << text;
    EXPECT_NE(std::string::npos, text.find("set DISPLAY")) << text;
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n')) << text;
}

}  // namespace
