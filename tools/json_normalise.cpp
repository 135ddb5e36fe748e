// Rewrites JSON files exactly as the game writes its data files, so that committed content is
// already in the program's layout.
#include <cstdio>

#include "core/json_file.h"
#include "tools/tool_arguments.h"

namespace {
constexpr char kUsage[] =
    "usage: json_normalise FILE...\n"
    "Rewrites each JSON file exactly as the game writes its data files.\n";
}  // namespace

int main(int argc, char** argv) {
    if (const auto stop = StopForOptions(argc, argv, "json_normalise", kUsage)) return *stop;
    if (argc < 2) return UsageError(kUsage);
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
