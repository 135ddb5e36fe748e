// Writes the game's level files from their readable descriptions (tools/levels/), where levels
// share pieces (boundaries, doors, lights, the ball) from tools/levels/templates/.
//   make_levels build DESC...    writes each description's level file
//   make_levels check DESC...    fails, naming them, when level files differ from their descriptions
#include <cstdio>
#include <cstring>

#include "tools/generated_files.h"
#include "tools/make_levels/level_description.h"

int main(int argc, char** argv) {
    const bool build = argc >= 2 && std::strcmp(argv[1], "build") == 0;
    if (argc < 2 || (!build && std::strcmp(argv[1], "check") != 0)) {
        std::fprintf(stderr, "usage: %s build DESCRIPTION... | check DESCRIPTION...\n", argv[0]);
        return 2;
    }
    return BuildOrCheck(build, argc - 2, argv + 2, GenerateLevel, "make_levels");
}
