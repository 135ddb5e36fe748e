#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>

#include <gtest/gtest.h>

#include "core/json_file.h"
#include "support/engine_test.h"

namespace fs = std::filesystem;

using JsonFileTest = ResourcesTest;

TEST_F(JsonFileTest, WrittenFilesAreAFixedPointByteForByte) {
    // Numbers the program itself writes (floats from gameplay, big ids, negatives) must come
    // back unchanged, or every run would churn the committed data.
    const std::string cases[] = {
        "{\"a\": 0.1, \"b\": -920.5, \"c\": 1e-7, \"d\": 123456789012, \"e\": 0.30000000000000004}",
        "{\"nested\": {\"list\": [1, 2.5, \"x\", true, null, {}], \"empty\": []}}",
        "{\"float\": 0.7879999876022339, \"tiny\": 5e-324, \"big\": 1.7976931348623157e308}",
    };
    for (const std::string& text : cases) {
        WriteFile("f.json", text);
        JsonFile first;
        ASSERT_TRUE(first.Read("f.json", IfMissing::kCreateEmpty)) << text;
        ASSERT_TRUE(first.Write("f.json"));
        const std::string once = ReadFile("f.json");
        JsonFile second;
        ASSERT_TRUE(second.Read("f.json", IfMissing::kCreateEmpty));
        ASSERT_TRUE(second.Write("f.json"));
        EXPECT_EQ(once, ReadFile("f.json")) << text;
        EXPECT_TRUE(first.Doc() == second.Doc()) << text;
        EXPECT_EQ('\n', once.back());
    }
}

TEST_F(JsonFileTest, WriterLayoutIsFourSpacesWithTrailingNewline) {
    JsonFile file;
    ASSERT_TRUE(file.Parse("{\"a\":{\"b\":1}}", "memory"));
    EXPECT_EQ("{\n    \"a\": {\n        \"b\": 1\n    }\n}\n", JsonFile::Serialise(file.Doc()));
}

// The game's own data is created when missing; a file that must be there is refused. Either
// way nothing that holds no data reads as "{}" without a word, on the start that created it and
// on every start after.
TEST_F(JsonFileTest, AMissingOrEmptyFileIsToldInOneLineAndCreatedOnlyWhenAsked) {
    struct Case {
        const char* situation;
        const char* content;  // null: no file
        IfMissing ifMissing;
        bool read;
        bool missing;
        const char* said;
    };
    const Case cases[] = {
        {"missing game data", nullptr, IfMissing::kCreateEmpty, true, false, "missing; created empty"},
        {"a missing file that must be there", nullptr, IfMissing::kRefuse, false, true, ""},
        {"an empty file", "", IfMissing::kCreateEmpty, true, false, "empty; read as {}"},
        {"an empty file that must be there", "", IfMissing::kRefuse, true, false, "empty; read as {}"},
        {"a file holding nothing but {}", "{}\n", IfMissing::kCreateEmpty, true, false, "empty; read as {}"},
        {"a file with data", "{\"a\": 1}", IfMissing::kCreateEmpty, true, false, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string path = "Resources/file" + std::to_string(n++) + ".json";
        if (c.content) WriteFile(path, c.content);
        const std::string line = *c.said ? path + ": " + c.said + "\n" : "";
        testing::internal::CaptureStdout();
        JsonFile file;
        EXPECT_EQ(c.read, file.Read(path, c.ifMissing)) << c.situation;
        EXPECT_EQ(line, testing::internal::GetCapturedStdout()) << c.situation;
        EXPECT_EQ(c.missing, file.Missing()) << c.situation;
        EXPECT_EQ(c.read, fs::exists(path)) << c.situation;
        EXPECT_TRUE(file.Doc().IsObject()) << c.situation;
        if (c.read) {
            EXPECT_TRUE(file.Write(path)) << c.situation;
        }
        // A level is read again at every change of scene: the same reader says it once.
        testing::internal::CaptureStdout();
        EXPECT_EQ(c.read, file.Read(path, c.ifMissing)) << c.situation;
        EXPECT_EQ("", testing::internal::GetCapturedStdout()) << c.situation;
        // The next start reads what the last one left, and says so again.
        const std::string nextStart = *c.said ? path + ": empty; read as {}\n" : "";
        testing::internal::CaptureStdout();
        JsonFile next;
        EXPECT_EQ(c.read, next.Read(path, c.ifMissing)) << c.situation;
        EXPECT_EQ(nextStart, testing::internal::GetCapturedStdout()) << c.situation;
    }
}

TEST_F(JsonFileTest, MissingFolderFails) {
    JsonFile file;
    EXPECT_FALSE(file.Read("no/such/folder/x.json", IfMissing::kCreateEmpty));
    EXPECT_FALSE(file.Missing()) << "the folder, not the file, is what is missing";
}

TEST_F(JsonFileTest, BrokenFilesAreReportedAndNeverRewritten) {
    const std::string broken[] = {"{\"a\": 1,", "[1, 2]", "\"text\"", "{\"a\": tru}", "{} trailing"};
    for (const std::string& text : broken) {
        WriteFile("bad.json", text);
        JsonFile file;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(file.Read("bad.json", IfMissing::kCreateEmpty)) << text;
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(std::string::npos, said.find("bad.json")) << said;
        EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n')) << said;
        EXPECT_FALSE(file.Write("bad.json"));
        EXPECT_EQ(text, ReadFile("bad.json"));
        EXPECT_TRUE(file.Doc().IsObject());
    }
}

TEST_F(JsonFileTest, ParsesFromMemory) {
    JsonFile file;
    ASSERT_TRUE(file.Parse("{\"x\": [1, 2]}", "memory"));
    EXPECT_EQ(2u, file.Doc()["x"].Size());
    EXPECT_FALSE(file.Parse("{", "memory"));
}

TEST_F(JsonFileTest, WriteLeavesNoTemporaryBehind) {
    JsonFile file;
    ASSERT_TRUE(file.Parse("{\"k\": 1}", "memory"));
    ASSERT_TRUE(file.Write("out.json"));
    EXPECT_FALSE(fs::exists("out.json.tmp"));
    EXPECT_EQ("{\n    \"k\": 1\n}\n", ReadFile("out.json"));
}

TEST(JsonAccessors, CheckTypesInsteadOfCrashing) {
    JsonFile file;
    ASSERT_TRUE(file.Parse("{\"s\": \"t\", \"n\": 2.5, \"i\": 3, \"b\": true, \"neg\": -1, \"huge\": 1e300}", "m"));
    const json::Value& doc = file.Doc();
    std::string s;
    double d = 0;
    int i = 0;
    unsigned u = 0;
    bool b = false;
    EXPECT_TRUE(json::GetString(json::Find(doc, "s"), s));
    EXPECT_FALSE(json::GetString(json::Find(doc, "n"), s));
    EXPECT_FALSE(json::GetString(json::Find(doc, "absent"), s));
    EXPECT_TRUE(json::GetDouble(json::Find(doc, "i"), d));
    EXPECT_EQ(3.0, d);
    EXPECT_TRUE(json::GetInt(json::Find(doc, "n"), i));
    EXPECT_FALSE(json::GetInt(json::Find(doc, "huge"), i));
    EXPECT_FALSE(json::GetUint(json::Find(doc, "neg"), u));
    EXPECT_TRUE(json::GetBool(json::Find(doc, "b"), b));
    EXPECT_FALSE(json::GetBool(json::Find(doc, "i"), b));
    EXPECT_EQ(nullptr, json::Find(doc["s"], "x"));
    EXPECT_EQ(nullptr, json::MemberAt(doc, 6));
    ASSERT_NE(nullptr, json::MemberAt(doc, 5));
    EXPECT_STREQ("huge", json::MemberAt(doc, 5)->name.GetString());
    EXPECT_EQ(nullptr, json::MemberAt(doc["s"], 0));
}

TEST(JsonAccessors, OnlyTheLiteralTrueIsTrue) {
    JsonFile file;
    ASSERT_TRUE(file.Parse("{\"t\": true, \"f\": false, \"zero\": 0, \"one\": 1, \"text\": \"true\"}", "m"));
    EXPECT_TRUE(json::IsLiteralTrue(json::Find(file.Doc(), "t")));
    for (const char* key : {"f", "zero", "one", "text", "absent"}) {
        EXPECT_FALSE(json::IsLiteralTrue(json::Find(file.Doc(), key))) << key;
    }
}

TEST(JsonAccessorsDeathTest, AnUncheckedAccessAbortsLoudly) {
    EXPECT_DEATH(
        {
            JsonFile file;
            file.Parse("{\"s\": \"t\"}", "m");
            (void)file.Doc()["s"].GetInt();
        },
        "JSON access without a check");
}

// Bits, so that 0 and -0, or two doubles a rounding apart, are told apart.
uint64_t Bits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST_F(JsonFileTest, EveryNumberReadsAsTheNearestDoubleAndKeepsItsBitsWrittenBack) {
    const double largest = std::numeric_limits<double>::max();
    const double smallest = std::numeric_limits<double>::denorm_min();
    const std::string zeros(400, '0');
    const struct {
        std::string literal;
        double value;
    } cases[] = {
        {"1e-325", 0.0},
        {"-1e-325", -0.0},
        {"1.234e-325", 0.0},
        {"2.4e-324", 0.0},
        {"2.5e-324", smallest},
        {"-2.5e-324", -smallest},
        {"1e-400", 0.0},
        {"5555555050000040.5000055555550533333333331e-358", 0.0},
        {"1.7976931348623158e308", largest},
        {"-1.7976931348623157e308", -largest},
        {"0e-23", 0.0},
        {"0e38", 0.0},
        {"0e400", 0.0},
        {"0." + zeros, 0.0},
        {"-0.0", -0.0},
        {"0." + zeros + "72777777777777770000000000000000777777777777777", 0.0},
        {"1" + zeros + "e-300", 1e100},
        {"0.00017976931348623157999e312", largest},
        // Halfway between 1 and the next double: ties go to the even one.
        {"1.00000000000000011102230246251565404236316680908203125", 1.0},
        {"1.000000000000000111022302462515654042363166809082031251", 1.0000000000000002},
        {"0.30000000000000004", 0.30000000000000004},
        {"18446744073709551616", 18446744073709551616.0},
    };
    for (const auto& c : cases) {
        const std::string text = "{\"x\": " + c.literal + "}";
        WriteFile("f.json", text);
        JsonFile file;
        ASSERT_TRUE(file.Read("f.json", IfMissing::kCreateEmpty)) << c.literal;
        const json::Value& value = file.Doc()["x"];
        ASSERT_TRUE(value.IsDouble()) << c.literal;
        EXPECT_EQ(Bits(c.value), Bits(value.GetDouble())) << c.literal << " read as " << value.GetDouble();
        ASSERT_TRUE(file.Write("f.json"));
        JsonFile again;
        ASSERT_TRUE(again.Read("f.json", IfMissing::kCreateEmpty)) << ReadFile("f.json");
        EXPECT_EQ(Bits(c.value), Bits(again.Doc()["x"].GetDouble())) << c.literal << " written as " << ReadFile("f.json");
    }
    // Integers that fit 64 bits stay integers.
    JsonFile file;
    ASSERT_TRUE(file.Parse("{\"max\": 18446744073709551615, \"min\": -9223372036854775808, \"minus zero\": -0}", "m"));
    ASSERT_TRUE(file.Doc()["max"].IsUint64());
    EXPECT_EQ(18446744073709551615u, file.Doc()["max"].GetUint64());
    ASSERT_TRUE(file.Doc()["min"].IsInt64());
    EXPECT_EQ(std::numeric_limits<int64_t>::min(), file.Doc()["min"].GetInt64());
    EXPECT_TRUE(file.Doc()["minus zero"].IsInt());
}

TEST_F(JsonFileTest, WhatCannotBeReadIsToldInOneLineAndTheFileKept) {
    const struct {
        std::string text;
        const char* problem;
    } cases[] = {
        {"{\"t\": [1, 2e308]}", "a number too large to hold; not read"},
        {"{\"x\": 1e309}", "a number too large to hold; not read"},
        {"{\"x\": -1e400}", "a number too large to hold; not read"},
        {"{\"x\": 908088e308}", "a number too large to hold; not read"},
        {"{\"x\": 9410816702203848.2e293}", "a number too large to hold; not read"},
        {"{\"x\": 1.7976931348623159e308}", "a number too large to hold; not read"},
        {"{\"x\": " + std::string(100000, '[') + "}", "nested deeper than 128 levels; not read"},
        // A byte order mark cut short is no byte order mark.
        {"\xEF\xBB{}", "not valid JSON (Invalid value. at offset 0)"},
        {"\xEF{}", "not valid JSON (Invalid value. at offset 0)"},
        {"\xEF\xBB\xBF{\"x\": }", "not valid JSON (Invalid value. at offset 9)"},
        {"{\"x\": 01}", "not valid JSON"},
        {"{\"x\": 1.e5}", "not valid JSON"},
        {"{\"x\": -}", "not valid JSON"},
        {"{\"x\": --1}", "not valid JSON"},
        {"{\"x\": 1-2}", "not valid JSON"},
        {"{\"x\": 0x10}", "not valid JSON"},
        {std::string("{}\0{\"lost\": 1}", 14), "not valid JSON (The document root must not be followed by other values. at offset 2)"},
    };
    for (const auto& c : cases) {
        WriteFile("f.json", c.text);
        testing::internal::CaptureStdout();
        JsonFile file;
        EXPECT_FALSE(file.Read("f.json", IfMissing::kCreateEmpty)) << c.text;
        EXPECT_FALSE(file.Write("f.json"));
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(0u, said.find(std::string("f.json: ") + c.problem)) << said;
        EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n')) << said;
        EXPECT_EQ(c.text, ReadFile("f.json"));
    }
    // A whole byte order mark is read past.
    WriteFile("f.json", "\xEF\xBB\xBF{\"x\": 1}");
    JsonFile file;
    ASSERT_TRUE(file.Read("f.json", IfMissing::kCreateEmpty));
    EXPECT_EQ(1, file.Doc()["x"].GetInt());
}
