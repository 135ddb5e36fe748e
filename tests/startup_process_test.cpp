#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include <epoxy/gl.h>
#include <fcntl.h>
#include <grp.h>
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
namespace fs = std::filesystem;

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

// Runs the engine in this process from the main menu for a few frames and returns what it
// printed.
std::string PlayTheMainMenu() {
    testing::internal::CaptureStdout();
    platform::Install(std::make_unique<platform::ScriptedBackend>(false));
    const bool started = StartUp();
    SystemManager& systems = SystemManager::GetInstance();
    if (started) {
        systems.BeginRun();
        systems.BeginPass();
        for (int i = 0; i < 3; ++i) systems.RunFrame();
        GameStateManager::nextState = Quit;
        systems.RunFrame();
        systems.EndPass();
    }
    ResetEngine();
    platform::Uninstall();
    return testing::internal::GetCapturedStdout();
}

TEST_F(StartUpTest, EachDataFileThatIsMissingIsToldOnceAndCreatedEmpty) {
    const struct {
        const char* removed;
        const char* createdAs;
    } cases[] = {
        {"", nullptr},  // the committed tree says nothing of the kind
        {"Resources/levelData/level0.json", "{}\n"},
        {"Resources/ObjData/GameObjectType.json", "{}\n"},
        {"Resources/AI/MainMenu.json", "{}\n"},
        {"Resources/sfx/sounds.json", nullptr},
        {"Resources/levelData/texture.json", ""},
    };
    for (const auto& c : cases) {
        fs::remove_all(root_ / "Resources");
        fs::copy(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources", fs::copy_options::recursive);
        if (*c.removed) fs::remove(c.removed);
        const std::string said = PlayTheMainMenu();
        const std::string line = std::string(c.removed) + ": missing; created empty\n";
        if (!*c.removed) {
            EXPECT_EQ(std::string::npos, said.find("missing")) << said;
            continue;
        }
        size_t count = 0;
        for (size_t at = said.find(line); at != std::string::npos; at = said.find(line, at + 1)) ++count;
        EXPECT_EQ(1u, count) << c.removed << "\n" << said;
        EXPECT_TRUE(said.find(line) == 0 || said[said.find(line) - 1] == '\n') << said;
        ASSERT_TRUE(fs::exists(c.removed)) << c.removed;
        if (c.createdAs) {
            EXPECT_EQ(c.createdAs, ReadFile(c.removed)) << c.removed;
        }
    }
}

// Waits for a started game to end by itself; false when it runs on past `seconds`, and it is
// then stopped.
bool EndsWithin(pid_t pid, int seconds, int& status) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

std::string FileText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(StartUpTest, StartedWhereThereIsNoResourcesTheGameSaysWhereToStartItAndCreatesNothing) {
    const fs::path elsewhere = root_ / "elsewhere";
    fs::create_directories(elsewhere);
    const std::string log = (root_ / "game.log").string();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(elsewhere.c_str()) != 0) _exit(126);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        BecomeTheGame();
    }
    int status = 0;
    ASSERT_TRUE(EndsWithin(pid, 20, status)) << FileText(log).substr(0, 2000);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(0, WEXITSTATUS(status));
    const std::string text = FileText(log);
    EXPECT_EQ(0u, text.find("Resources/ is not in the working folder")) << text;
    EXPECT_NE(std::string::npos, text.find("scripts/play.sh")) << text;
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n')) << text;
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

// An installed game lives where its player cannot write. Root ignores permission bits, so the
// game runs as the unprivileged "nobody" on a tree only root may write.
TEST_F(StartUpTest, WithResourcesReadOnlyForThePlayerTheGameStillPlays) {
    constexpr uid_t kNobody = 65534;
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "Resources")) {
        if (entry.is_regular_file()) fs::permissions(entry.path(), fs::perms(0444));
    }
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "Resources")) {
        if (entry.is_directory()) fs::permissions(entry.path(), fs::perms(0555));
    }
    fs::permissions(root_ / "Resources", fs::perms(0555));
    fs::permissions(root_, fs::perms(0755));
    const std::string log = (root_ / "game.log").string();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(126);
        setenv("HOME", "/nonexistent", 1);
        BecomeTheGame();
    }
    bool ready = false;
    for (int i = 0; i < 200 && !ready; ++i) {  // up to 10 s
        ready = CatchesSignal(pid, SIGTERM);
        if (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it reach the main menu
    kill(pid, SIGTERM);
    int status = 0;
    const bool ended = EndsWithin(pid, 20, status);
    const std::string text = FileText(log);
    ASSERT_TRUE(ready) << "the game never took over SIGTERM\n" << text.substr(0, 2000);
    ASSERT_TRUE(ended) << text.substr(0, 2000);
    ASSERT_TRUE(WIFEXITED(status)) << text;
    EXPECT_EQ(0, WEXITSTATUS(status)) << text;
    EXPECT_EQ(std::string::npos, text.find("cannot open")) << text;
    // Each file that had to be written back is told once, and kept.
    std::istringstream lines(text);
    std::set<std::string> told;
    for (std::string line; std::getline(lines, line);) {
        if (line.find(": cannot write the file") != std::string::npos) {
            EXPECT_TRUE(told.insert(line).second) << text;
        }
    }
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
    fs::permissions(root_ / "Resources", fs::perms(0755));
}

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
