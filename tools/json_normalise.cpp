// Rewrites JSON files exactly as the game writes its data files, so that committed content is
// already in the program's layout. Usage: json_normalise FILE...
#include <cstdio>
#include <filesystem>

#include "core/json_file.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        // The reader would create a missing file; a mistyped name must not leave one behind.
        std::error_code error;
        if (!std::filesystem::is_regular_file(argv[i], error)) {
            std::fprintf(stderr, "%s: no such file\n", argv[i]);
            ++failures;
            continue;
        }
        JsonFile file;
        if (!file.Read(argv[i]) || !file.Write(argv[i])) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
