#pragma once

#include <climits>
#include <optional>
#include <string>

// Indices written as JSON member names: optional blanks and sign, then leading digits, the
// rest ignored; text without digits reads as 0, as the data files have always been read.
// Empty when the number lies outside [lowest, highest], so a typo like "2000000000" cannot
// make a graph allocate two billion places.
std::optional<int> ReadIndex(const std::string& text, long long lowest = INT_MIN, long long highest = INT_MAX);

// A slot member name: `prefix` ("out" or "in") followed by the slot number. Empty without the
// prefix, or with a negative or oversized number.
std::optional<int> ReadSlotIndex(const std::string& name, const std::string& prefix, int highest);
