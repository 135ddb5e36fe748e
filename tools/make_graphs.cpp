// Writes the game's behaviour graphs from their readable descriptions (tools/graphs/), checked
// against the engine's node classes.
//   make_graphs slots            prints every node class with its output and input slots
//   make_graphs build DESC...    writes each description's graph file
//   make_graphs check DESC...    fails, naming them, when graph files differ from their descriptions
#include <cstdio>
#include <cstring>

#include "core/json_file.h"
#include "graph/node_registry.h"
#include "tools/graph_gen/graph_files.h"
#include "tools/graph_gen/slot_table.h"
#include "tools/generated_files.h"

namespace {
int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s slots | build DESCRIPTION... | check DESCRIPTION...\n", program);
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage(argv[0]);
    RegisterAllNodes();
    if (std::strcmp(argv[1], "slots") == 0) {
        json::Document table;
        WriteSlotTable(SlotTable(), table);
        std::fputs(JsonFile::Serialise(table).c_str(), stdout);
        return 0;
    }
    const bool build = std::strcmp(argv[1], "build") == 0;
    if (!build && std::strcmp(argv[1], "check") != 0) return Usage(argv[0]);
    return BuildOrCheck(build, argc - 2, argv + 2, GenerateGraph, "make_graphs");
}
