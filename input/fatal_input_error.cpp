#include "input/fatal_input_error.h"

#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void ExitWith(const char* line) {
    std::fflush(stdout);
    std::fputs(line, stderr);
    std::fflush(stderr);
    std::exit(1);
}
}  // namespace

void ExitPlayerIdDoesNotExist() { ExitWith("Player ID does not exist.\n"); }

void ExitControlNotFound() { ExitWith("Control not found, check if controls created.\n"); }
