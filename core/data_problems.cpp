#include "core/data_problems.h"

#include <cstdarg>
#include <memory>
#include <vector>

namespace {

// A read joined from inside shares the count of the read it joins.
struct OpenRead {
    std::string path;
    std::shared_ptr<int> shown;
};

// Innermost last. Loaders run on the game's one thread.
std::vector<OpenRead>& OpenReads() {
    static std::vector<OpenRead> reads;
    return reads;
}

// The open read the line already names first, or null.
OpenRead* NamedBy(const std::string& line) {
    auto& reads = OpenReads();
    for (auto read = reads.rbegin(); read != reads.rend(); ++read) {
        if (line.compare(0, read->path.size() + 2, read->path + ": ") == 0) return &*read;
    }
    return nullptr;
}

std::string Format(const char* format, va_list arguments) {
    va_list copy;
    va_copy(copy, arguments);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size <= 0) return {};
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.resize(static_cast<size_t>(size));
    return text;
}

void Print(std::FILE* stream, std::string line) {
    if (line.empty() || line.back() != '\n') line += '\n';
    auto& reads = OpenReads();
    if (reads.empty()) {
        std::fputs(line.c_str(), stream);
        return;
    }
    OpenRead* read = NamedBy(line);
    if (!read) {
        read = &reads.back();
        line = read->path + ": " + line;
    }
    int& shown = *read->shown;
    if (shown < DataProblems::kShown) {
        std::fputs(line.c_str(), stream);
    } else if (shown == DataProblems::kShown) {
        std::fprintf(stream, "%s: more problems; only the first %d are shown\n", read->path.c_str(),
                     DataProblems::kShown);
    }
    ++shown;
}

}  // namespace

DataProblems::Reading::Reading(const std::string& path) {
    auto& reads = OpenReads();
    for (const auto& read : reads) {
        if (read.path == path) {
            reads.push_back(read);
            return;
        }
    }
    reads.push_back(OpenRead{path, std::make_shared<int>(0)});
}

// Readings live on the stack, so the innermost one always closes first.
DataProblems::Reading::~Reading() { OpenReads().pop_back(); }

void DataProblems::Report(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Print(stdout, Format(format, arguments));
    va_end(arguments);
}

void DataProblems::ReportOn(std::FILE* stream, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Print(stream, Format(format, arguments));
    va_end(arguments);
}

void DataProblems::Once::Report(const std::string& key, const char* format, ...) {
    if (!told_.insert(key).second) return;
    va_list arguments;
    va_start(arguments, format);
    std::string line = Format(format, arguments);
    va_end(arguments);
    if (line.empty() || line.back() != '\n') line += '\n';
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
}
