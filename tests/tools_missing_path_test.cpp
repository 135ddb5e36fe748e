// The content tools, started as a maintainer starts them, on a path that is not there or a
// command line they cannot act on.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/engine_test.h"

namespace {

namespace fs = std::filesystem;

using ToolsTest = ResourcesTest;

TEST_F(ToolsTest, AToolGivenAPathThatDoesNotExistSaysSoFailsAndCreatesNothing) {
    const struct {
        const char* binary;
        const char* command;
    } tools[] = {
        {BRAMBLE_JSON_NORMALISE_BINARY, nullptr},
        {BRAMBLE_MAKE_GRAPHS_BINARY, "build"},
        {BRAMBLE_MAKE_GRAPHS_BINARY, "check"},
        {BRAMBLE_MAKE_LEVELS_BINARY, "build"},
        {BRAMBLE_MAKE_LEVELS_BINARY, "check"},
    };
    for (const auto& tool : tools) {
        ProcessOptions options;
        options.command = {tool.binary};
        if (tool.command) options.command.push_back(tool.command);
        options.command.push_back("none.json");
        options.errorsWithOutput = false;
        const std::string name = std::string(tool.binary) + (tool.command ? std::string(" ") + tool.command : "");
        const Ending ending = ChildProcess(options).Wait(std::chrono::seconds(30));
        ASSERT_TRUE(ending.exited) << name << "\n" << Describe(ending);
        EXPECT_NE(0, ending.code) << name;
        EXPECT_EQ("none.json: no such file\n", ending.errors) << name;
        EXPECT_FALSE(fs::exists("none.json")) << name << " created what it was not given";
        fs::remove("none.json");  // so that the next tool is judged on its own
    }
}

std::set<std::string> EverythingBelow(const fs::path& folder) {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) paths.insert(entry.path().string());
    return paths;
}

// An empty `start` means nothing at all.
bool Starts(const std::string& text, const std::string& start) {
    return start.empty() ? text.empty() : text.rfind(start, 0) == 0;
}

TEST_F(ToolsTest, ACommandLineAToolCannotActOnIsToldAndLeavesTheFolderAsItWas) {
    constexpr int kAsked = 0, kWrongCommandLine = 2, kRefused = 1;
    const struct {
        std::vector<std::string> command;
        int code;
        const char* output;  // what stdout starts with, or "" for nothing
        const char* errors;  // the same for stderr
    } cases[] = {
        {{BRAMBLE_JSON_NORMALISE_BINARY, "--help"}, kAsked, "usage: json_normalise FILE...\n", ""},
        {{BRAMBLE_MAKE_GRAPHS_BINARY, "--help"}, kAsked, "usage: make_graphs slots | build", ""},
        {{BRAMBLE_MAKE_LEVELS_BINARY, "-h"}, kAsked, "usage: make_levels build", ""},
        {{BRAMBLE_MAKE_SOUNDS_BINARY, "--help"}, kAsked, "usage: make_sounds [RESOURCES_FOLDER]\n", ""},
        {{BRAMBLE_MAKE_ART_BINARY, "--help"}, kAsked, "usage: make_art OUTPUT_FOLDER\n", ""},
        {{BRAMBLE_MAKE_ART_BINARY}, kWrongCommandLine, "", "usage: make_art OUTPUT_FOLDER\n"},
        {{BRAMBLE_MAKE_SOUNDS_BINARY, "-x"}, kWrongCommandLine, "", "make_sounds: unknown option \"-x\"\nusage: "},
        {{BRAMBLE_MAKE_ART_BINARY, "--all"}, kWrongCommandLine, "", "make_art: unknown option \"--all\"\nusage: "},
        {{BRAMBLE_JSON_NORMALISE_BINARY, "-v", "Resources/levelData/Level1.json"}, kWrongCommandLine, "",
         "json_normalise: unknown option \"-v\"\nusage: "},
        {{BRAMBLE_MAKE_GRAPHS_BINARY, "build", "--force"}, kWrongCommandLine, "",
         "make_graphs: unknown option \"--force\"\nusage: "},
        {{BRAMBLE_MAKE_GRAPHS_BINARY, "build"}, kWrongCommandLine, "", "make_graphs build: no description given\n"},
        {{BRAMBLE_MAKE_GRAPHS_BINARY, "check"}, kWrongCommandLine, "", "make_graphs check: no description given\n"},
        {{BRAMBLE_MAKE_LEVELS_BINARY, "build"}, kWrongCommandLine, "", "make_levels build: no description given\n"},
        {{BRAMBLE_MAKE_LEVELS_BINARY, "check"}, kWrongCommandLine, "", "make_levels check: no description given\n"},
        {{BRAMBLE_MAKE_SOUNDS_BINARY, "nowhere"}, kRefused, "",
         "nowhere/sfx: not created, for the folder nowhere is not there\n"},
        {{BRAMBLE_MAKE_ART_BINARY, "nowhere/art"}, kRefused, "",
         "nowhere/art: not created, for the folder nowhere is not there\n"},
    };
    const std::set<std::string> before = EverythingBelow(root_);
    for (const auto& tried : cases) {
        std::string name;
        for (const std::string& word : tried.command) name += word + " ";
        ProcessOptions options;
        options.command = tried.command;
        options.errorsWithOutput = false;
        const Ending ending = ChildProcess(options).Wait(std::chrono::seconds(60));
        ASSERT_TRUE(ending.exited) << name << "\n" << Describe(ending);
        EXPECT_EQ(tried.code, ending.code) << name << "\n" << Describe(ending);
        EXPECT_TRUE(Starts(ending.output, tried.output)) << name << "printed:\n" << ending.output;
        EXPECT_TRUE(Starts(ending.errors, tried.errors)) << name << "told:\n" << ending.errors;
        EXPECT_EQ(before, EverythingBelow(root_)) << name << "wrote or made something";
    }
}

}  // namespace
