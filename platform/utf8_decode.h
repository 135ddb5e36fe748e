#pragma once

#include <cstddef>
#include <vector>

namespace platform {

// Code points of UTF-8 text, reading at most maxBytes or up to a NUL. Malformed, overlong and
// surrogate sequences are dropped rather than guessed at: typed text must not invent characters.
std::vector<int> DecodeUtf8(const char* text, size_t maxBytes);

}  // namespace platform
