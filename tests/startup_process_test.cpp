#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>

#include <epoxy/gl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"
#include "support/game_process.h"

// Last: its macros (None, True, ...) clash with names in the engine's headers.
#include <X11/Xlib.h>

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

// Whether a window with this title is mapped anywhere below `parent`.
bool ShowsWindow(::Display* x, Window parent, const char* title) {
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(x, parent, &root, &up, &children, &count) == 0) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(x, children[i], &name) != 0 && name != nullptr) {
            found = std::string(name) == title && XGetWindowAttributes(x, children[i], &attributes) != 0 &&
                    attributes.map_state == IsViewable;
            XFree(name);
        }
        found = found || ShowsWindow(x, children[i], title);
    }
    if (children != nullptr) XFree(children);
    return found;
}

// The X server the game shows on ends under it (a desktop session closing, a crashed server):
// the game must notice, say so and end by itself, not hang in its teardown over the dead
// connection.
TEST_F(StartUpTest, WhenTheXServerGoesTheGameSaysSoAndEndsByItself) {
    int ready[2];
    ASSERT_EQ(0, pipe(ready));
    const pid_t server = fork();
    ASSERT_GE(server, 0);
    if (server == 0) {
        close(ready[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x720x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    char number[32] = {};
    const ssize_t got = read(ready[0], number, sizeof number - 1);
    close(ready[0]);
    if (got <= 0) {
        kill(server, SIGKILL);
        waitpid(server, nullptr, 0);
        FAIL() << "Xvfb did not start (install the xvfb package)";
    }
    const std::string display = ":" + std::string(number, std::strcspn(number, "\n"));

    ProcessOptions options;
    options.environment = {{"DISPLAY", display}, {"SDL_VIDEODRIVER", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}};
    options.errorsWithOutput = false;
    GameProcess game(options);
    ::Display* x = XOpenDisplay(display.c_str());
    bool shown = false;
    for (int i = 0; x != nullptr && i < 200 && !shown; ++i) {  // up to 10 s
        shown = ShowsWindow(x, DefaultRootWindow(x), "Bramblecourt");
        if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // Closed while the server lives: Xlib would end this test process too.
    if (x != nullptr) XCloseDisplay(x);
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));  // into the main menu
    kill(server, SIGKILL);
    waitpid(server, nullptr, 0);
    ASSERT_TRUE(shown) << "the game never showed its window";

    const Ending ending = game.Wait(std::chrono::seconds(10));
    ASSERT_FALSE(ending.timedOut) << "the game hung when its X server went away\n" << Describe(ending);
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_NE(0, ending.code) << Describe(ending);
    const std::string& text = ending.output;
    const size_t said = text.find("Display: the X display " + display + " went away");
    EXPECT_NE(std::string::npos, said) << text;
    EXPECT_EQ(said, text.rfind("Display:")) << "said once\n" << text;
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
}

}  // namespace
