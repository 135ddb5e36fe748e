// The scripts that run things by name (package groups, benchmarks, fuzz targets), started as a
// maintainer starts them with a name they do not know.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/engine_test.h"

namespace {

namespace fs = std::filesystem;

using ScriptsTest = ResourcesTest;

const fs::path kScripts = fs::path(BRAMBLE_SOURCE_RESOURCES).parent_path() / "scripts";

// A shell script at `path` that anyone may run.
void WriteProgram(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
}

// A name no script knows is told, with the names there are, and the script stops with status 2
// before it installs or builds anything: a typo must not read as a run that found nothing, nor
// cost a build. The tools that install and build are stand-ins on PATH that write down that they
// ran, and the installers fail, so a script that went on could change nothing on the machine.
// The performance report learns its benchmarks from the built benchmark program, so its build
// (a stand-in that does nothing) comes before its check, and a stand-in program names two.
TEST_F(ScriptsTest, AnUnknownNameIsToldAndTheScriptStopsWithStatusTwoBeforeInstallingAnything) {
    const fs::path standIns = root_ / "stand-ins";
    fs::create_directories(standIns);
    const std::string calls = (root_ / "calls").string();
    for (const char* installer : {"apt-get", "sudo", "ninja", "clang", "clang++"}) {
        WriteProgram(standIns / installer, std::string("echo ") + installer + " >>" + calls + "; exit 1");
    }
    WriteProgram(standIns / "cmake", "echo cmake >>" + calls);
    const fs::path perfBuild = root_ / "build-perf";
    fs::create_directories(perfBuild / "bench");
    std::ofstream(perfBuild / "build.ninja").flush();
    WriteProgram(perfBuild / "bench" / "bramble_bench",
                 "if [ \"$1\" = --list ]; then printf 'graph_run\\nphysics\\n'; exit 0; fi; exit 1");

    const struct {
        std::vector<std::string> command;
        const char* errors;  // what stderr starts with
        const char* ran;     // the stand-ins that ran, in order
    } cases[] = {
        {{"setup.sh", "game", "sound"}, "setup: no package group \"sound\"; the package groups are: game tests", ""},
        {{"perf_report.sh", "graph_runs"},
         "perf_report: no benchmark \"graph_runs\"; the benchmarks are: graph_run physics\n", "cmake\n"},
        {{"fuzz.sh", "level_fuzz", "levels_fuzz"}, "fuzz: no fuzz target \"levels_fuzz\"; the fuzz targets are: ", ""},
    };
    for (const auto& tried : cases) {
        const std::string name = tried.command.front();
        fs::remove(calls);
        ProcessOptions options;
        options.command = tried.command;
        options.command.front() = (kScripts / name).string();
        options.environment["PATH"] = standIns.string() + ":" + std::getenv("PATH");
        options.environment["BUILD_DIR"] = (name == "perf_report.sh" ? perfBuild : root_ / "build-fuzz").string();
        options.errorsWithOutput = false;
        const Ending ending = ChildProcess(options).Wait(std::chrono::seconds(60));
        ASSERT_TRUE(ending.exited) << name << "\n" << Describe(ending);
        EXPECT_EQ(2, ending.code) << name << "\n" << Describe(ending);
        EXPECT_EQ(0u, ending.errors.rfind(tried.errors, 0)) << name << " told:\n" << ending.errors;
        EXPECT_EQ(tried.ran, ReadFile("calls")) << name << " ran these stand-ins";
    }
}

}  // namespace
