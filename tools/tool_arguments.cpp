#include "tools/tool_arguments.h"

#include <cstdio>
#include <cstring>

namespace fs = std::filesystem;

std::optional<int> StopForOptions(int argc, char** argv, const char* tool, const char* usage) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "%s: unknown option \"%s\"\n", tool, argv[i]);
            return UsageError(usage);
        }
    }
    return std::nullopt;
}

int UsageError(const char* usage) {
    std::fputs(usage, stderr);
    return 2;
}

bool MakeOutputFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return true;
    // "a/b/" names the folder b, as "a/b" does.
    const fs::path named = folder.has_filename() ? folder : folder.parent_path();
    const fs::path parent = named.has_parent_path() ? named.parent_path() : fs::path(".");
    if (!fs::is_directory(parent, error)) {
        std::fprintf(stderr, "%s: not created, for the folder %s is not there\n", folder.string().c_str(),
                     parent.string().c_str());
        return false;
    }
    fs::create_directory(named, error);
    if (error || !fs::is_directory(named)) {
        std::fprintf(stderr, "%s: cannot create the folder: %s\n", folder.string().c_str(),
                     error ? error.message().c_str() : "a file of that name is in the way");
        return false;
    }
    return true;
}
