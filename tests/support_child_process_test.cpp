// The helper that starts the game and the tools for a test: a sanitizer's exit, or a program
// that never started, must fail the test even where the test itself only checks for a failure.
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/child_process.h"

namespace {

// The failures that running `command` to its end adds to the current test, kept from it.
std::string FailuresOf(const std::vector<std::string>& command) {
    testing::TestPartResultArray failures;
    {
        const testing::ScopedFakeTestPartResultReporter kept(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ProcessOptions options;
        options.command = command;
        ChildProcess(options).Wait(std::chrono::seconds(30));
    }
    std::string all;
    for (int i = 0; i < failures.size(); ++i) all += std::string(failures.GetTestPartResult(i).message()) + "\n";
    return all;
}

TEST(ChildProcessTest, FailsTheTestForASanitizersExitOrAProgramThatNeverStarted) {
    const struct {
        std::vector<std::string> command;
        const char* failure;  // empty: the exit is the test's own to judge
    } cases[] = {
        {{"sh", "-c", "echo a leak of 8 bytes; exit 86"}, "a sanitizer found a fault in the child process:\na leak of 8 bytes"},
        {{"sh", "-c", "echo no such level; exit 1"}, ""},
        {{"/nonexistent/bramblecourt"}, "/nonexistent/bramblecourt did not start: execve: No such file or directory"},
    };
    for (const auto& c : cases) {
        const std::string failures = FailuresOf(c.command);
        if (*c.failure == '\0') {
            EXPECT_EQ("", failures) << c.command.back();
        } else {
            EXPECT_NE(std::string::npos, failures.find(c.failure)) << c.command.back() << "\n" << failures;
        }
    }
}

}  // namespace
