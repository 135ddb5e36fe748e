#include "platform/utf8_decode.h"

namespace platform {
namespace {

// The smallest code point each sequence length may carry; anything below is overlong.
constexpr int kSmallestForLength[5] = {0, 0, 0x80, 0x800, 0x10000};

int SequenceLength(unsigned char lead, int& bits) {
    if (lead < 0x80) { bits = lead; return 1; }
    if ((lead & 0xE0) == 0xC0) { bits = lead & 0x1F; return 2; }
    if ((lead & 0xF0) == 0xE0) { bits = lead & 0x0F; return 3; }
    if ((lead & 0xF8) == 0xF0) { bits = lead & 0x07; return 4; }
    return 0;
}

}  // namespace

std::vector<int> DecodeUtf8(const char* text, size_t maxBytes) {
    std::vector<int> codePoints;
    if (text == nullptr) {
        return codePoints;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    size_t end = 0;
    while (end < maxBytes && bytes[end] != 0) {
        ++end;
    }
    size_t at = 0;
    while (at < end) {
        int codePoint = 0;
        const int length = SequenceLength(bytes[at], codePoint);
        if (length == 0 || at + static_cast<size_t>(length) > end) {
            ++at;
            continue;
        }
        bool wellFormed = true;
        for (int i = 1; i < length; ++i) {
            const unsigned char next = bytes[at + static_cast<size_t>(i)];
            if ((next & 0xC0) != 0x80) {
                wellFormed = false;
                break;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (!wellFormed) {
            ++at;  // resynchronise on the byte that broke the sequence
            continue;
        }
        at += static_cast<size_t>(length);
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        if (codePoint < kSmallestForLength[length] || codePoint > 0x10FFFF || surrogate) {
            continue;
        }
        codePoints.push_back(codePoint);
    }
    return codePoints;
}

}  // namespace platform
