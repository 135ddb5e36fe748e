#include <cstdio>
#include <cstdlib>
#include <string>

#include "figures.h"

int main(int argc, char** argv) {
    // Benchmarks render offscreen and play into the void unless told otherwise.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The names, one a line, for scripts that run each benchmark in a process of its own.
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const auto& benchmark : FigureBenchmarks()) std::printf("%s\n", benchmark.name.c_str());
        return 0;
    }
    int ran = 0;
    for (const auto& benchmark : FigureBenchmarks()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || benchmark.name == argv[i];
        if (!wanted) continue;
        benchmark.run();
        ++ran;
    }
    if (ran == 0) {
        std::fprintf(stderr, "no benchmark matched; known:");
        for (const auto& benchmark : FigureBenchmarks()) std::fprintf(stderr, " %s", benchmark.name.c_str());
        std::fprintf(stderr, "\n");
        return 1;
    }
    return 0;
}
