#pragma once

#include <cstddef>

// The process's resident memory in bytes, from /proc/self/statm.
size_t ResidentBytes();
