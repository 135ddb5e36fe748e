#pragma once

#include <filesystem>
#include <optional>

// What every content tool checks on its command line before its own work.

// Whether the tool stops before its work, and with what exit status: "--help" or "-h" prints
// `usage` on stdout (0); any other argument that starts with '-' is an option no tool takes,
// told with `usage` on stderr (2), so that it is never taken for a file or folder name.
std::optional<int> StopForOptions(int argc, char** argv, const char* tool, const char* usage);

// Prints `usage` on stderr and gives the exit status of a wrong command line (2).
int UsageError(const char* usage);

// Makes `folder` unless it is there, but only inside a folder that already exists, so that a
// mistyped path never leaves a trail of new folders behind. Says why on stderr when it cannot.
bool MakeOutputFolder(const std::filesystem::path& folder);
