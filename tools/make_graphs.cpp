// Writes the game's behaviour graphs from their readable descriptions (tools/graphs/), checked
// against the engine's node classes.
#include <cstdio>
#include <cstring>

#include "core/json_file.h"
#include "graph/node_registry.h"
#include "tools/graph_gen/graph_files.h"
#include "tools/graph_gen/slot_table.h"
#include "tools/generated_files.h"
#include "tools/tool_arguments.h"

namespace {
constexpr char kUsage[] =
    "usage: make_graphs slots | build DESCRIPTION... | check DESCRIPTION...\n"
    "  slots   prints every node class with its output and input slots\n"
    "  build   writes each description's graph file (the descriptions live in tools/graphs/)\n"
    "  check   fails, naming them, when graph files differ from their descriptions\n";
}  // namespace

int main(int argc, char** argv) {
    if (const auto stop = StopForOptions(argc, argv, "make_graphs", kUsage)) return *stop;
    if (argc < 2) return UsageError(kUsage);
    RegisterAllNodes();
    if (std::strcmp(argv[1], "slots") == 0) {
        json::Document table;
        WriteSlotTable(SlotTable(), table);
        std::fputs(JsonFile::Serialise(table).c_str(), stdout);
        return 0;
    }
    const bool build = std::strcmp(argv[1], "build") == 0;
    if (!build && std::strcmp(argv[1], "check") != 0) return UsageError(kUsage);
    return BuildOrCheck(build, argc - 2, argv + 2, GenerateGraph, "make_graphs");
}
