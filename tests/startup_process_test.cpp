#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
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

// Bit of a signal in the caught-signals mask of /proc/PID/status.
bool CatchesSignal(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (signal - 1)) & 1ULL;
        }
    }
    return false;
}

TEST_F(StartUpTest, TheGameEndsCleanlyOnSigtermAndLeavesResourcesUnchanged) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) BecomeTheGame();
    bool ready = false;
    for (int i = 0; i < 200 && !ready; ++i) {  // up to 10 s
        ready = CatchesSignal(pid, SIGTERM);
        if (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(ready) << "the game never took over SIGTERM";
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it reach the main loop
    kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
}

// Started where there is no display at all (no X, no Wayland, no driver named), SDL would fall
// back to drawing to nothing and the game would run on with no window anywhere: it must say
// so in one line and stop.
TEST_F(StartUpTest, WithNoDisplayTheGameSaysHowToGetOneAndStops) {
    const std::string log = (root_ / "game.log").string();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // A developer's own session must not leak in: Wayland also looks for its default socket
        // under XDG_RUNTIME_DIR.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "XDG_RUNTIME_DIR"}) unsetenv(name);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(out, 1);
        dup2(quiet, 2);  // the system libraries' own complaints about the missing display
        BecomeTheGame();
    }
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 400 && !ended; ++i) {  // up to 20 s
        ended = waitpid(pid, &status, WNOHANG) == pid;
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    std::ifstream in(log);
    std::stringstream printed;
    printed << in.rdbuf();
    ASSERT_TRUE(ended) << "the game ran on with no display\n" << printed.str().substr(0, 2000);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(0, WEXITSTATUS(status));
    const std::string text = printed.str();
    EXPECT_EQ(0u, text.find("Display: no display to show the game on")) << text;
    EXPECT_NE(std::string::npos, text.find("set DISPLAY")) << text;
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n')) << text;
}

}  // namespace
