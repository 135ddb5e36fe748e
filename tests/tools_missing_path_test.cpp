// The content tools, started as a maintainer starts them, on a path that is not there.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

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

}  // namespace
