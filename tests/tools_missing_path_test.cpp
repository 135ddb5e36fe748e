// The content tools, started as a maintainer starts them, on a path that is not there.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
    const std::string log = (root_ / "tool.log").string();
    for (const auto& tool : tools) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, 2);
            if (tool.command) execl(tool.binary, tool.binary, tool.command, "none.json", static_cast<char*>(nullptr));
            else execl(tool.binary, tool.binary, "none.json", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        std::ifstream in(log);
        std::stringstream said;
        said << in.rdbuf();
        ASSERT_TRUE(WIFEXITED(status)) << tool.binary;
        EXPECT_NE(0, WEXITSTATUS(status)) << tool.binary << " " << (tool.command ? tool.command : "");
        EXPECT_EQ("none.json: no such file\n", said.str()) << tool.binary;
        EXPECT_FALSE(fs::exists("none.json")) << tool.binary << " created what it was not given";
    }
}

}  // namespace
