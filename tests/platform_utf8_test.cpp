// Typed text reaches name entry and chat boxes; a decoder that invents or swallows characters
// corrupts what the player typed.
#include <gtest/gtest.h>

#include <vector>

#include "platform/utf8_decode.h"

namespace platform {
namespace {

struct Utf8Case {
    const char* text;
    std::vector<int> expected;
    const char* label;
};

TEST(PlatformUtf8, DecodesGoodTextAndDropsWhatIsBroken) {
    const Utf8Case cases[] = {
        {"", {}, "empty"},
        {"Go!", {'G', 'o', '!'}, "ASCII"},
        {"\xC3\xA9", {0xE9}, "two bytes"},
        {"\xE2\x82\xAC", {0x20AC}, "three bytes"},
        {"\xF0\x9F\x8E\xAE", {0x1F3AE}, "four bytes"},
        {"a\x80" "b", {'a', 'b'}, "stray continuation byte"},
        {"a\xE2\x82", {'a'}, "sequence cut off by the end"},
        {"\xE2\x82" "b", {'b'}, "sequence cut off by a letter"},
        {"\xC0\xAF", {}, "overlong slash"},
        {"\xED\xA0\x80", {}, "surrogate half"},
        {"\xF4\x90\x80\x80", {}, "beyond U+10FFFF"},
        {"\xFF" "z", {'z'}, "byte that never starts a sequence"},
    };
    for (const Utf8Case& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.text, 32), c.expected) << c.label;
    }
}

TEST(PlatformUtf8, StopsAtTheByteLimitEvenWithoutATerminator) {
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(DecodeUtf8(unterminated, 3), (std::vector<int>{'a', 'b', 'c'}));
    const char splitEuro[] = "x\xE2\x82\xAC";
    EXPECT_EQ(DecodeUtf8(splitEuro, 3), (std::vector<int>{'x'})) << "limit inside a character";
    EXPECT_TRUE(DecodeUtf8(nullptr, 32).empty());
}

}  // namespace
}  // namespace platform
