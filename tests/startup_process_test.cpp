#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <epoxy/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/scripted_backend.h"
#include "support/child_process.h"
#include "support/engine_test.h"
#include "support/x_server.h"

namespace {

using StartUpTest = ResourcesTest;
namespace fs = std::filesystem;

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

TEST_F(StartUpTest, EachDataFileThatIsMissingIsToldOnceAndCreatedEmptyAndEveryStartAfterTellsItEmpty) {
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
        // The next start finds the file it left: its blank menus are told again, in one line.
        const std::string nextStart = PlayTheMainMenu();
        EXPECT_EQ(std::string::npos, nextStart.find("missing")) << c.removed << "\n" << nextStart;
        const std::string empty = std::string(c.removed) + ": empty; read as {}\n";
        EXPECT_TRUE(nextStart.find(empty) == 0 || nextStart.find("\n" + empty) != std::string::npos)
            << c.removed << "\n" << nextStart;
        EXPECT_EQ(nextStart.find(empty), nextStart.rfind(empty)) << c.removed << "\n" << nextStart;
    }
}

TEST_F(StartUpTest, StartedWhereThereIsNoResourcesTheGameSaysWhereToStartItAndCreatesNothing) {
    const fs::path elsewhere = root_ / "elsewhere";
    fs::create_directories(elsewhere);
    ProcessOptions options;
    options.folder = elsewhere.string();
    options.errorsWithOutput = false;
    ChildProcess game(options);
    const Ending ending = game.Wait(std::chrono::seconds(20));
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_EQ(1, ending.code) << Describe(ending);
    const std::string& text = ending.output;
    EXPECT_EQ(0u, text.find("Resources/ is not in the working folder")) << text;
    EXPECT_NE(std::string::npos, text.find("scripts/play.sh")) << text;
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n')) << text;
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

// Gives the folder tree below `top` back to its owner's writes when the test ends, however it
// ends: an ordinary user could not remove a read-only tree afterwards.
struct WritableAgain {
    fs::path top;
    ~WritableAgain() {
        fs::permissions(top, fs::perms::owner_write, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(top)) {
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
        }
    }
};

// An installed game lives where its player cannot write. The permission bits already deny an
// ordinary user the writes; root ignores them, so root runs the game as the unprivileged
// "nobody".
TEST_F(StartUpTest, WithResourcesReadOnlyForThePlayerTheGameStillPlays) {
    constexpr uid_t kNobody = 65534;
    // Laid out otherwise than the game writes it, the sound list is written back at start-up and
    // again at exit: both writes fail, and the one line is told once.
    const fs::path soundList = root_ / "Resources/sfx/sounds.json";
    std::ostringstream laidOut;
    laidOut << std::ifstream(soundList).rdbuf();
    std::string packed;
    for (const char c : laidOut.str()) {
        if (c != '\n') packed += c;
    }
    std::ofstream(soundList, std::ios::trunc) << packed;
    const WritableAgain writable{root_ / "Resources"};
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "Resources")) {
        if (entry.is_regular_file()) fs::permissions(entry.path(), fs::perms(0444));
    }
    for (const auto& entry : fs::recursive_directory_iterator(root_ / "Resources")) {
        if (entry.is_directory()) fs::permissions(entry.path(), fs::perms(0555));
    }
    fs::permissions(root_ / "Resources", fs::perms(0555));
    fs::permissions(root_, fs::perms(0755));
    ProcessOptions options;
    if (geteuid() == 0) {
        options.uid = kNobody;
        options.gid = kNobody;
        options.environment["HOME"] = "/nonexistent";
    }
    options.errorsWithOutput = false;
    ChildProcess game(options);
    // The sound system starts, and fails to write its list back, in the main menu's first frame.
    const std::string told = "Resources/sfx/sounds.json: cannot write the file\n";
    const bool inMenu = game.WaitUntilPrints(told, std::chrono::seconds(20));
    game.Signal(SIGTERM);
    const Ending ending = game.Wait(std::chrono::seconds(20));
    const std::string& text = ending.output;
    ASSERT_TRUE(inMenu) << "the game never reached its main menu\n" << Describe(ending);
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_EQ(0, ending.code) << Describe(ending);
    EXPECT_EQ(std::string::npos, text.find("cannot open")) << text;
    // The file that had to be written back is told once, and kept; nothing else changed.
    const size_t first = text.find(told);
    EXPECT_NE(std::string::npos, first) << text;
    EXPECT_EQ(first, text.rfind(told)) << "told more than once\n" << text;
    std::ostringstream kept;
    kept << std::ifstream(soundList).rdbuf();
    EXPECT_EQ(packed, kept.str());
    fs::permissions(root_ / "Resources", fs::perms(0755));
    fs::permissions(soundList.parent_path(), fs::perms(0755));
    fs::permissions(soundList, fs::perms(0644));
    std::ofstream(soundList, std::ios::trunc) << laidOut.str();
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
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

// Shown on an X server, so that the test can see the main menu drawn before it asks the game to
// end, as a player or a service stop would.
TEST_F(StartUpTest, TheGameEndsCleanlyOnSigtermAndLeavesResourcesUnchanged) {
    XServer server;
    ASSERT_FALSE(server.Display().empty());
    ChildProcess game(server.GameOptions());
    ASSERT_TRUE(server.WaitForPicture("Bramblecourt", game, std::chrono::seconds(20)))
        << "the game never drew its main menu\n" << Describe(game.Wait(std::chrono::seconds(10)));
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
    ChildProcess game(options);
    const Ending ending = game.Wait(std::chrono::seconds(20));
    ASSERT_FALSE(ending.timedOut) << "the game ran on with no display\n" << Describe(ending);
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_EQ(255, ending.code) << Describe(ending);  // start-up failed
    const std::string& text = ending.output;
    EXPECT_EQ(0u, text.find("Display: no display to show the game on")) << text;
    EXPECT_NE(std::string::npos, text.find("set DISPLAY")) << text;
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n')) << text;
}

// The X server the game shows on ends under it (a desktop session closing, a crashed server):
// the game must notice, say so and end by itself, not hang in its teardown over the dead
// connection.
TEST_F(StartUpTest, WhenTheXServerGoesTheGameSaysSoAndEndsByItself) {
    XServer server;
    ASSERT_FALSE(server.Display().empty());
    const std::string& display = server.Display();
    ProcessOptions options = server.GameOptions();
    options.errorsWithOutput = false;
    ChildProcess game(options);
    const bool shown = server.WaitForPicture("Bramblecourt", game, std::chrono::seconds(20));
    server.End();
    ASSERT_TRUE(shown) << "the game never drew its main menu on " << display << "\n"
                       << Describe(game.Wait(std::chrono::seconds(10)));

    const Ending ending = game.Wait(std::chrono::seconds(10));
    ASSERT_FALSE(ending.timedOut) << "the game hung when its X server went away\n" << Describe(ending);
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_EQ(1, ending.code) << Describe(ending);
    const std::string& text = ending.output;
    const size_t said = text.find("Display: the X display " + display + " went away");
    EXPECT_NE(std::string::npos, said) << text;
    EXPECT_EQ(said, text.rfind("Display:")) << "said once\n" << text;
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"));
}

}  // namespace
