#include "graph/text_index.h"

#include <cctype>

std::optional<int> ReadIndex(const std::string& text, long long lowest, long long highest) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        // Past any int already: stop before the accumulator itself can overflow.
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < lowest || value > highest) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> ReadSlotIndex(const std::string& name, const std::string& prefix, int highest) {
    if (name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    return ReadIndex(name.substr(prefix.size()), 0, highest);
}
