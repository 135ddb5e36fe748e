// Writes the game's behaviour graphs from their readable descriptions (tools/graphs/), checked
// against the engine's node classes.
//   make_graphs slots            prints every node class with its output and input slots
//   make_graphs build DESC...    writes each description's graph file
//   make_graphs check DESC...    fails, naming them, when graph files differ from their descriptions
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/json_file.h"
#include "graph/node_registry.h"
#include "tools/graph_gen/graph_files.h"
#include "tools/graph_gen/slot_table.h"

namespace {
std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

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
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        std::string path, text, error;
        if (!GenerateGraph(argv[i], path, text, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++failures;
        } else if (build) {
            JsonFile graph;
            if (!graph.Parse(text, path) || !graph.Write(path)) ++failures;
        } else if (FileText(path) != text) {
            std::fprintf(stderr, "%s: differs from %s; run make_graphs build\n", path.c_str(), argv[i]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
