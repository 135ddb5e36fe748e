// Writes the game's level files from their readable descriptions (tools/levels/), where levels
// share pieces (boundaries, doors, lights, the ball) from tools/levels/templates/.
//   make_levels build DESC...    writes each description's level file
//   make_levels check DESC...    fails, naming them, when level files differ from their descriptions
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/json_file.h"
#include "tools/make_levels/level_description.h"

namespace {
std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
}  // namespace

int main(int argc, char** argv) {
    const bool build = argc >= 2 && std::strcmp(argv[1], "build") == 0;
    if (argc < 2 || (!build && std::strcmp(argv[1], "check") != 0)) {
        std::fprintf(stderr, "usage: %s build DESCRIPTION... | check DESCRIPTION...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        std::string path, text, error;
        if (!GenerateLevel(argv[i], path, text, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++failures;
        } else if (build) {
            JsonFile level;
            if (!level.Parse(text, path) || !level.Write(path)) ++failures;
        } else if (FileText(path) != text) {
            std::fprintf(stderr, "%s: differs from %s; run make_levels build\n", path.c_str(), argv[i]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
