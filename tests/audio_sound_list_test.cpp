#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/sound_list.h"
#include "core/json_file.h"

namespace {

std::vector<SoundEntry> Read(const std::string& text, bool* intact = nullptr) {
    JsonFile file;
    EXPECT_TRUE(file.Parse(text, "sounds.json"));
    std::vector<SoundEntry> entries;
    testing::internal::CaptureStdout();
    const bool ok = ReadSoundList(file.Doc(), "sounds.json", entries);
    testing::internal::GetCapturedStdout();
    if (intact) *intact = ok;
    return entries;
}

TEST(SoundListTest, TypeAndLoopAreReadByPositionAndStrictly) {
    struct Case {
        const char* type;
        const char* loop;
        SoundType wantType;
        bool wantLoop;
    };
    const Case cases[] = {
        {"\"BGM\"", "true", BGM, true},      {"\"SFX\"", "false", SFX, false},
        {"\"bgm\"", "true", SFX, true},      {"\"Music\"", "true", SFX, true},
        {"\"BGM\"", "\"true\"", BGM, false}, {"\"BGM\"", "1", BGM, false},
        {"\"BGM\"", "null", BGM, false},
    };
    for (const Case& c : cases) {
        // Keys are whatever a designer typed: only positions count.
        const std::string text = std::string("{\"a\": {\"x\": \"Theme\", \"y\": ") + c.type + ", \"z\": " + c.loop +
                                 ", \"w\": \"Resources/sfx/t.wav\"}}";
        SCOPED_TRACE(text);
        bool intact = false;
        const auto entries = Read(text, &intact);
        ASSERT_EQ(1u, entries.size());
        EXPECT_TRUE(intact);
        EXPECT_EQ("Theme", entries[0].name);
        EXPECT_EQ(c.wantType, entries[0].type);
        EXPECT_EQ(c.wantLoop, entries[0].loop);
        EXPECT_EQ("Resources/sfx/t.wav", entries[0].path);
    }
}

TEST(SoundListTest, AMalformedEntryIsSkippedAndNamedTheRestLoads) {
    const char* broken[] = {
        "\"just text\"",
        "{\"Name\": \"A\", \"Type\": \"SFX\", \"Loop\": false}",
        "{\"Name\": 7, \"Type\": \"SFX\", \"Loop\": false, \"Path\": \"a.wav\"}",
        "{\"Name\": \"A\", \"Type\": 1, \"Loop\": false, \"Path\": \"a.wav\"}",
        "{\"Name\": \"A\", \"Type\": \"SFX\", \"Loop\": false, \"Path\": null}",
    };
    for (const char* entry : broken) {
        const std::string text = std::string("{\"Bad One\": ") + entry +
                                 ", \"Good\": {\"Name\": \"Jump\", \"Type\": \"SFX\", \"Loop\": false, \"Path\": \"j.wav\"}}";
        SCOPED_TRACE(text);
        JsonFile file;
        ASSERT_TRUE(file.Parse(text, "sounds.json"));
        std::vector<SoundEntry> entries;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(ReadSoundList(file.Doc(), "Resources/sfx/sounds.json", entries));
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(std::string::npos, out.find("Resources/sfx/sounds.json: sound entry \"Bad One\" skipped")) << out;
        EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ("Jump", entries[0].name);
    }
}

TEST(SoundListTest, TheExitLayoutNumbersEntriesAndReadsBackTheSame) {
    const std::vector<SoundEntry> entries = {{"Jump", SFX, false, "Resources/sfx/jump.wav"},
                                             {"Theme", BGM, true, "Resources/sfx/theme.wav"}};
    JsonFile file;
    WriteSoundList(entries, file.Doc());
    EXPECT_EQ(
        "{\n"
        "    \"Sound File 0\": {\n"
        "        \"Name\": \"Jump\",\n"
        "        \"Type\": \"SFX\",\n"
        "        \"Loop\": false,\n"
        "        \"Path\": \"Resources/sfx/jump.wav\"\n"
        "    },\n"
        "    \"Sound File 1\": {\n"
        "        \"Name\": \"Theme\",\n"
        "        \"Type\": \"BGM\",\n"
        "        \"Loop\": true,\n"
        "        \"Path\": \"Resources/sfx/theme.wav\"\n"
        "    }\n"
        "}\n",
        JsonFile::Serialise(file.Doc()));
    const auto back = Read(JsonFile::Serialise(file.Doc()));
    ASSERT_EQ(2u, back.size());
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(entries[i].name, back[i].name);
        EXPECT_EQ(entries[i].type, back[i].type);
        EXPECT_EQ(entries[i].loop, back[i].loop);
        EXPECT_EQ(entries[i].path, back[i].path);
    }
}

}  // namespace
