#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <epoxy/gl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/scripted_backend.h"
#include "support/address_sanitizer.h"
#include "support/engine_test.h"

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
    if (pid == 0) {
#if defined(BRAMBLE_ADDRESS_SANITIZER)
        // Once SDL unloads the GL driver, its leaks can no longer be told from ours by name;
        // the in-process tests check the game's own memory.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
#endif
        execl(BRAMBLE_GAME_BINARY, "bramblecourt", static_cast<char*>(nullptr));
        _exit(127);
    }
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

}  // namespace
