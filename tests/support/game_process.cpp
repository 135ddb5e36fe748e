#include "support/game_process.h"

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

// In the child, before exec: the leak check on, faults ending with an exit code of their own,
// and the GL driver kept mapped to the end. SDL unloads the driver at shut-down, before the
// leak check runs, and the driver's own leaks would then come from an unnamed module that
// tests/lsan.supp cannot match. Loaded first, the driver is never unloaded.
void UseSanitizerSettings() {
#if defined(BRAMBLE_ADDRESS_SANITIZER)
    std::string asan = std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : "";
    // Later settings win. The link-order check would refuse the preload under gcc's shared runtime.
    asan += ":detect_leaks=1:verify_asan_link_order=0:exitcode=" + std::to_string(kSanitizerExitCode);
    setenv("ASAN_OPTIONS", asan.c_str(), 1);
    std::string preload = std::getenv("LD_PRELOAD") ? std::getenv("LD_PRELOAD") : "";
    for (const char* driver : kGlDrivers) preload += std::string(preload.empty() ? "" : ":") + driver;
    setenv("LD_PRELOAD", preload.c_str(), 1);
#endif
    std::string ubsan = std::getenv("UBSAN_OPTIONS") ? std::getenv("UBSAN_OPTIONS") : "";
    ubsan += ":exitcode=" + std::to_string(kSanitizerExitCode);
    setenv("UBSAN_OPTIONS", ubsan.c_str(), 1);
}

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    _exit(127);
}

}  // namespace

GameProcess::GameProcess(ProcessOptions options)
    : outputPath_(TempPath("output")), errorsPath_(options.errorsWithOutput ? "" : TempPath("errors")) {
    std::vector<std::string> argv = options.wrapper;
    argv.insert(argv.end(), options.command.begin(), options.command.end());
    std::vector<char*> args;
    for (auto& arg : argv) args.push_back(arg.data());
    args.push_back(nullptr);
    std::fflush(nullptr);  // nothing buffered in the test is printed twice
    pid_ = fork();
    if (pid_ < 0) ADD_FAILURE() << "fork: " << std::strerror(errno);
    if (pid_ != 0) return;

    // The child: only what is safe between fork and exec in a process that may have threads.
    setpgid(0, 0);
    const int out = open(outputPath_.c_str(), O_WRONLY | O_TRUNC);
    const int err = options.errorsWithOutput ? out : open(errorsPath_.c_str(), O_WRONLY | O_TRUNC);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) Fail("output");
    if (!options.folder.empty() && chdir(options.folder.c_str()) != 0) Fail(options.folder.c_str());
    for (const auto& [name, value] : options.environment) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    UseSanitizerSettings();
    if (options.gid && (setgroups(0, nullptr) != 0 || setgid(*options.gid) != 0)) Fail("setgid");
    if (options.uid && setuid(*options.uid) != 0) Fail("setuid");
    execvp(args[0], args.data());
    Fail(args[0]);
}

GameProcess::~GameProcess() {
    if (pid_ > 0 && !ended_) {
        kill(-pid_, SIGKILL);
        Reap(true);
    }
    fs::remove(outputPath_);
    if (!errorsPath_.empty()) fs::remove(errorsPath_);
}

bool GameProcess::Reap(bool block) {
    if (ended_) return true;
    if (pid_ < 0) return ended_ = true;
    ended_ = waitpid(pid_, &status_, block ? 0 : WNOHANG) == pid_;
    return ended_;
}

bool GameProcess::Catches(int signal) const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1ULL;
    }
    return false;
}

bool GameProcess::WaitUntilCatches(int signal, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!Reap(false)) {
        if (Catches(signal)) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

bool GameProcess::EndsWithin(std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!Reap(false)) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

void GameProcess::Signal(int signal) {
    if (!ended_) kill(pid_, signal);
}

Ending GameProcess::Wait(std::chrono::milliseconds limit) {
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
