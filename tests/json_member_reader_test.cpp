// A component's settings read member by member: what stands for a member that is absent or of
// another type, and the one line each loader prints for the second.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/json.h"

namespace {

TEST(MemberReader, AMemberOfAnotherTypeIsToldInOneLineAndItsFallbackStands) {
    json::Document settings;
    settings.Parse(R"({"word": "x", "count": 7, "fraction": 2.5, "below": -1, "text": "Arial.ttf"})");
    ASSERT_FALSE(settings.HasParseError());
    const json::MemberReader read(settings, "Body of \"Ball\"");
    struct Case {
        const char* what;
        std::function<std::string()> read;  // what stands, in words
        const char* stands;
        const char* told;
    };
    const Case cases[] = {
        {"a number", [&] { return std::to_string(read.Number("fraction")); }, "2.500000", ""},
        {"an absent number", [&] { return std::to_string(read.Number("none")); }, "0.000000", ""},
        {"a word for a number", [&] { return std::to_string(read.Number("word")); }, "0.000000",
         "Body of \"Ball\": \"word\" must be a number, not string; 0 used\n"},
        {"an integer", [&] { return std::to_string(read.Integer("count")); }, "7", ""},
        {"a word for an integer", [&] { return std::to_string(read.Integer("word")); }, "0",
         "Body of \"Ball\": \"word\" must be an integer, not string; 0 used\n"},
        {"a count", [&] { return std::to_string(read.Unsigned("count")); }, "7", ""},
        {"a negative count", [&] { return std::to_string(read.Unsigned("below")); }, "0",
         "Body of \"Ball\": \"below\" must not be negative; 0 used\n"},
        {"a word for a count", [&] { return std::to_string(read.Unsigned("word")); }, "0",
         "Body of \"Ball\": \"word\" must be an integer, not string; 0 used\n"},
        {"a kept number read", [&] { float field = 3; read.Number("count", field); return std::to_string(field); },
         "7.000000", ""},
        {"a kept number absent", [&] { float field = 3; read.Number("none", field); return std::to_string(field); },
         "3.000000", ""},
        {"a word for a kept number",
         [&] { float field = 3.5f; read.Number("word", field); return std::to_string(field); }, "3.500000",
         "Body of \"Ball\": \"word\" must be a number, not string; kept 3.5\n"},
        {"a word for a kept integer",
         [&] { int field = 2; read.Integer("word", field, "shape kept"); return std::to_string(field); }, "2",
         "Body of \"Ball\": \"word\" must be an integer, not string; shape kept\n"},
        {"a kept integer read",
         [&] { int field = 2; read.Integer("count", field, "shape kept"); return std::to_string(field); }, "7", ""},
        {"a text", [&] { std::string field = "old"; read.String("text", field); return field; }, "Arial.ttf", ""},
        {"a number for a text", [&] { std::string field = "old"; read.String("count", field); return field; }, "old",
         "Body of \"Ball\": \"count\" must be a string, not number; kept as \"old\"\n"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStdout();
        const std::string stands = c.read();
        EXPECT_EQ(c.told, testing::internal::GetCapturedStdout()) << c.what;
        EXPECT_EQ(c.stands, stands) << c.what;
    }
}

}  // namespace
