#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A sanitizer that finds a fault in a child (a leak included) ends it with this code, which
// neither the game nor a test uses: a leak can never pass for an expected exit.
constexpr int kSanitizerExitCode = 86;

// How to start a process for a test. By default the real game, in the current folder, with
// the test's own environment.
struct ProcessOptions {
    // The program (a path, or a name looked up in PATH) and its arguments.
    std::vector<std::string> command{BRAMBLE_GAME_BINARY};
    std::string folder;  // empty: the current one
    // Set to a value, or unset with std::nullopt.
    std::map<std::string, std::optional<std::string>> environment;
    std::optional<uid_t> uid;  // dropped to after the output files are opened
    std::optional<gid_t> gid;
    bool errorsWithOutput = true;  // false: stderr is kept apart, in Ending::errors
};

struct Ending {
    bool exited = false;  // exit() or a return from main
    bool signalled = false;
    bool timedOut = false;  // still running at the limit: it was killed
    int code = 0;           // the exit status, or the signal that ended it
    std::string output;     // stdout (with stderr unless kept apart)
    std::string errors;
};

// A program a test starts (the game, a tool, this test binary again): started at construction,
// in a process group of its own, so that whatever it starts in turn goes with it. One that
// cannot be started fails the current test, saying why. A process still running when this is
// destroyed is killed.
class ChildProcess {
public:
    explicit ChildProcess(ProcessOptions options = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // What it has printed so far (with its errors unless kept apart).
    std::string Output() const;
    // Waits up to `limit` until its output holds `text`; false if it ended first or never did.
    bool WaitUntilPrints(const std::string& text, std::chrono::milliseconds limit);
    // Waits up to `limit` for it to end; true once it has.
    bool EndsWithin(std::chrono::milliseconds limit);
    void Signal(int signal);
    // Waits up to `limit`, kills the whole group if it is still running, and reports how it
    // ended. A sanitizer's exit fails the current test with what it printed.
    Ending Wait(std::chrono::milliseconds limit);

private:
    bool Reap(bool block);

    pid_t pid_ = -1;
    bool ended_ = false;
    int status_ = 0;
    std::string outputPath_, errorsPath_;
};

// How a process ended and what it printed, for a failing test's message.
std::string Describe(const Ending& ending);
