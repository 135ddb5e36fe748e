#include "tools/generated_files.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/json_file.h"

namespace {
std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
}  // namespace

int BuildOrCheck(bool build, int count, char** descriptions, Generator generate, const char* tool) {
    // A check of nothing would pass on nothing.
    if (count == 0) {
        std::fprintf(stderr, "%s %s: no description given\n", tool, build ? "build" : "check");
        return 2;
    }
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        std::string path, text, error;
        if (!generate(descriptions[i], path, text, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++failures;
        } else if (build) {
            JsonFile file;
            if (!file.Parse(text, path) || !file.Write(path)) ++failures;
        } else if (FileText(path) != text) {
            std::fprintf(stderr, "%s: differs from %s; run %s build\n", path.c_str(), descriptions[i], tool);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
