// Rewrites JSON files exactly as the game writes its data files, so that committed content is
// already in the program's layout. Usage: json_normalise FILE...
#include <cstdio>

#include "core/json_file.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        // A mistyped name must not leave an empty file behind.
        JsonFile file;
        const bool read = file.Read(argv[i], IfMissing::kRefuse);
        if (file.Missing()) std::fprintf(stderr, "%s: no such file\n", argv[i]);
        if (!read || !file.Write(argv[i])) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
