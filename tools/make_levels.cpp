// Writes the game's level files from their readable descriptions (tools/levels/), where levels
// share pieces (boundaries, doors, lights, the ball) from tools/levels/templates/.
#include <cstring>

#include "tools/generated_files.h"
#include "tools/make_levels/level_description.h"
#include "tools/tool_arguments.h"

namespace {
constexpr char kUsage[] =
    "usage: make_levels build DESCRIPTION... | check DESCRIPTION...\n"
    "  build   writes each description's level file (the descriptions live in tools/levels/)\n"
    "  check   fails, naming them, when level files differ from their descriptions\n";
}  // namespace

int main(int argc, char** argv) {
    if (const auto stop = StopForOptions(argc, argv, "make_levels", kUsage)) return *stop;
    const bool build = argc >= 2 && std::strcmp(argv[1], "build") == 0;
    if (argc < 2 || (!build && std::strcmp(argv[1], "check") != 0)) return UsageError(kUsage);
    return BuildOrCheck(build, argc - 2, argv + 2, GenerateLevel, "make_levels");
}
