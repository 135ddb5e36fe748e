#include "support/child_process.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/address_sanitizer.h"
#include "support/gl_drivers.h"

namespace fs = std::filesystem;

namespace {

constexpr auto kPoll = std::chrono::milliseconds(20);

using Environment = std::map<std::string, std::string>;

std::string TempPath(const char* what) {
    std::string path = (fs::temp_directory_path() / (std::string("bramble-") + what + "-XXXXXX")).string();
    const int fd = mkstemp(path.data());
    if (fd >= 0) close(fd);
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Environment TestEnvironment() {
    Environment variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const size_t equals = text.find('=');
        if (equals != std::string::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return variables;
}

// Later settings in such a list win over earlier ones.
void Append(Environment& variables, const std::string& name, const std::string& text) {
    std::string& list = variables[name];
    list += (list.empty() ? "" : ":") + text;
}

// The leak check on, faults ending with an exit code of their own, and the GL driver kept
// mapped to the end. SDL unloads the driver at shut-down, before the leak check runs, and the
// driver's own leaks would then come from an unnamed module that tests/lsan.supp cannot match.
// Loaded first, the driver is never unloaded.
void AddSanitizerSettings(Environment& variables) {
    const std::string exitCode = "exitcode=" + std::to_string(kSanitizerExitCode);
#if defined(BRAMBLE_ADDRESS_SANITIZER)
    // The link-order check would refuse the preload under gcc's shared runtime.
    Append(variables, "ASAN_OPTIONS", "detect_leaks=1:verify_asan_link_order=0:" + exitCode);
    for (const char* driver : kGlDrivers) Append(variables, "LD_PRELOAD", driver);
#endif
    Append(variables, "UBSAN_OPTIONS", exitCode);
}

std::vector<std::string> ChildEnvironment(const ProcessOptions& options) {
    Environment variables = TestEnvironment();
    for (const auto& [name, value] : options.environment) {
        if (value) {
            variables[name] = *value;
        } else {
            variables.erase(name);
        }
    }
    AddSanitizerSettings(variables);
    std::vector<std::string> entries;
    for (const auto& [name, value] : variables) entries.push_back(name + "=" + value);
    return entries;
}

// execve looks nothing up: a bare name is found in PATH here, before the fork.
std::string ProgramPath(const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    std::stringstream folders(std::getenv("PATH") ? std::getenv("PATH") : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return name;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// What the child was doing when it failed; told to the parent through a pipe that a
// successful exec closes.
enum Step { kOutput, kFolder, kGroups, kGroup, kUser, kStart };
constexpr const char* kStepNames[] = {"output", "chdir", "setgroups", "setgid", "setuid", "execve"};

[[noreturn]] void FailIn(int report, Step step) {
    const int failure[2] = {step, errno};
    const ssize_t told = write(report, failure, sizeof failure);
    (void)told;  // nothing more can be done about a parent that cannot hear
    _exit(127);
}

}  // namespace

ChildProcess::ChildProcess(ProcessOptions options)
    : outputPath_(TempPath("output")), errorsPath_(options.errorsWithOutput ? "" : TempPath("errors")) {
    const std::string program = ProgramPath(options.command.at(0));
    auto args = Pointers(options.command);
    std::vector<std::string> environment = ChildEnvironment(options);
    auto variables = Pointers(environment);
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return;
    }
    std::fflush(nullptr);  // nothing buffered in the test is printed twice
    pid_ = fork();
    if (pid_ == 0) {
        // The child may share the test's threads' locks in any state: from here to exec it makes
        // only system calls, on what was built above.
        setpgid(0, 0);
        const int out = open(outputPath_.c_str(), O_WRONLY | O_TRUNC);
        const int err = errorsPath_.empty() ? out : open(errorsPath_.c_str(), O_WRONLY | O_TRUNC);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) FailIn(report[1], kOutput);
        if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) FailIn(report[1], kFolder);
        if (options.gid && setgroups(0, nullptr) != 0) FailIn(report[1], kGroups);
        if (options.gid && setgid(*options.gid) != 0) FailIn(report[1], kGroup);
        if (options.uid && setuid(*options.uid) != 0) FailIn(report[1], kUser);
        execve(program.c_str(), args.data(), variables.data());
        FailIn(report[1], kStart);
    }
    close(report[1]);
    if (pid_ < 0) ADD_FAILURE() << "fork: " << std::strerror(errno);
    int failure[2];
    ssize_t got = 0;
    do {
        got = read(report[0], failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == sizeof failure) {
        ADD_FAILURE() << program << " did not start: " << kStepNames[failure[0]] << ": " << std::strerror(failure[1]);
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !ended_) {
        kill(-pid_, SIGKILL);
        Reap(true);
    }
    fs::remove(outputPath_);
    if (!errorsPath_.empty()) fs::remove(errorsPath_);
}

bool ChildProcess::Reap(bool block) {
    if (ended_) return true;
    if (pid_ < 0) return ended_ = true;
    ended_ = waitpid(pid_, &status_, block ? 0 : WNOHANG) == pid_;
    return ended_;
}

std::string ChildProcess::Output() const { return ReadAll(outputPath_); }

bool ChildProcess::WaitUntilPrints(const std::string& text, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!Reap(false)) {
        if (Output().find(text) != std::string::npos) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

bool ChildProcess::EndsWithin(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!Reap(false)) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

void ChildProcess::Signal(int signal) {
    if (!ended_) kill(pid_, signal);
}

Ending ChildProcess::Wait(std::chrono::milliseconds limit) {
    Ending ending;
    if (!EndsWithin(limit)) {
        ending.timedOut = true;
        kill(-pid_, SIGKILL);
        Reap(true);
    }
    ending.exited = WIFEXITED(status_);
    ending.signalled = WIFSIGNALED(status_);
    ending.code = ending.exited ? WEXITSTATUS(status_) : ending.signalled ? WTERMSIG(status_) : 0;
    ending.output = ReadAll(outputPath_);
    if (!errorsPath_.empty()) ending.errors = ReadAll(errorsPath_);
    if (ending.exited && ending.code == kSanitizerExitCode) {
        ADD_FAILURE() << "a sanitizer found a fault in the child process:\n" << ending.errors << ending.output;
    }
    return ending;
}

std::string Describe(const Ending& ending) {
    std::string what = ending.timedOut    ? "still running at the limit"
                       : ending.signalled ? "killed by signal " + std::to_string(ending.code)
                                          : "exit code " + std::to_string(ending.code);
    return what + "\n" + ending.output.substr(0, 4000) + ending.errors.substr(0, 4000);
}
