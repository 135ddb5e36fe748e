#pragma once

#include <cstdio>
#include <set>
#include <string>

// Problems found in a data file a person can edit, told in lines that start with the file's
// path. A loader opens a `Reading` while it reads a file; every problem reported meanwhile, down
// to the component readers the factory calls, is charged to that read. One read prints at most
// `kShown` lines and then one line saying the rest are left out: a file full of bad numbers is
// told in a few lines, not in hundreds.
class DataProblems {
public:
    static constexpr int kShown = 3;

    // Open while `path` is being read. Nests: an inner read of another file is told under its
    // own path; an inner read of a file already being read joins that read and its count.
    class Reading {
    public:
        explicit Reading(const std::string& path);
        ~Reading();
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;
    };

    // Prints one problem on stdout (or `stream`). A line that already starts with the path of
    // a file being read is charged to that read as it is; any other line gets the path of the
    // innermost read put in front. Outside any read the line is printed as it is, uncapped.
    static void Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static void ReportOn(std::FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

    // A fault that comes back (every frame a graph runs, every load of a file that cannot be
    // written) is told the first time only. Each owner keeps its own memory of what it told;
    // the line goes out on stdout as it is, at once, and is never charged to an open read.
    class Once {
    public:
        // Prints the line unless `key` was told before.
        void Report(const std::string& key, const char* format, ...) __attribute__((format(printf, 3, 4)));
        void Forget() { told_.clear(); }

    private:
        std::set<std::string> told_;
    };
};
