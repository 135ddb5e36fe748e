// The level generator: descriptions with shared pieces become level files in the program's own
// layout, faults in a description are named, and the committed levels match their descriptions.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/json_file.h"
#include "support/engine_test.h"
#include "tools/make_levels/level_description.h"

namespace {

namespace fs = std::filesystem;

const char* const kPiece = R"({
    "Post": {"Name": "Post", "Type": "Default", "Active": true,
             "Body": {"shapeid": 1, "x": 0, "y": 0, "width": 10, "height": 10, "mass": 0}},
    "Post_2": {"Name": "Post_2", "Type": "Default", "Active": true,
               "Body": {"shapeid": 1, "x": 5, "y": 0, "width": 10, "height": 10, "mass": 0}}})";

const char* const kLevel = R"({"level": "Resources/levelData/gen.json",
    "settings": {"cameraX": 360, "cameraY": 0, "cameraZ": 0, "gravity": -9.8, "AI file": "none"},
    "objects": [{"Name": "First", "Type": "Default", "Active": true},
                {"piece": "posts", "with": {"Post_2": {"Body": {"x": 900}, "Active": false}}},
                {"Name": "Last", "Type": "Default", "Active": true}]})";

class LevelGenerator : public ResourcesTest {
protected:
    bool Generate(const std::string& description, std::string& path, std::string& text, std::string& error) {
        WriteFile("levels/templates/posts.json", kPiece);
        WriteFile("levels/desc.json", description);
        return GenerateLevel("levels/desc.json", path, text, error);
    }
};

TEST_F(LevelGenerator, PiecesAreListedInPlaceWithTheirOverridesMergedIn) {
    std::string path, text, error;
    ASSERT_TRUE(Generate(kLevel, path, text, error)) << error;
    EXPECT_EQ("Resources/levelData/gen.json", path);
    JsonFile level;
    ASSERT_TRUE(level.Parse(text, path));
    const char* order[] = {"LevelSettings", "First", "Post", "Post_2", "Last"};
    ASSERT_EQ(5u, json::MemberCount(level.Doc()));
    for (size_t i = 0; i < 5; ++i) EXPECT_STREQ(order[i], json::MemberAt(level.Doc(), i)->name.GetString());
    const json::Value& moved = level.Doc()["Post_2"];
    EXPECT_EQ(900, moved["Body"]["x"].GetInt()) << "the override wins";
    EXPECT_EQ(10, moved["Body"]["width"].GetInt()) << "what it leaves out stays";
    EXPECT_FALSE(moved["Active"].GetBool());
    EXPECT_EQ(0, level.Doc()["Post"]["Body"]["x"].GetInt()) << "the other object of the piece is untouched";
}

TEST_F(LevelGenerator, FaultsInADescriptionAreNamed) {
    const struct {
        const char* from;
        const char* to;
        const char* fault;
    } cases[] = {
        {"\"piece\": \"posts\"", "\"piece\": \"poles\"", "no piece \"poles\""},
        {"\"Post_2\": {\"Body\"", "\"Pole\": {\"Body\"", "piece \"posts\" has no object \"Pole\" to override"},
        {"\"Name\": \"Last\"", "\"Name\": \"First\"", "object \"First\" is listed twice"},
        {"\"Name\": \"Last\", ", "", "an object has no \"Name\""},
        {"\"settings\"", "\"setting\"", "no \"settings\" object"},
    };
    for (const auto& c : cases) {
        std::string description = kLevel;
        description.replace(description.find(c.from), std::string(c.from).size(), c.to);
        std::string path, text, error;
        EXPECT_FALSE(Generate(description, path, text, error)) << c.fault;
        EXPECT_NE(std::string::npos, error.find(c.fault)) << error;
        EXPECT_EQ(0u, error.find("levels/desc.json: ")) << error;
    }
    std::string path, text, error;
    EXPECT_FALSE(GenerateLevel("missing.json", path, text, error));
    EXPECT_FALSE(fs::exists("missing.json")) << "a mistyped name leaves no empty file behind";
    EXPECT_FALSE(fs::exists("levels/templates/poles.json"));
}

// The committed levels: each description regenerates its file exactly.
TEST_F(LevelGenerator, TheGamesLevelsMatchTheirDescriptions) {
    const fs::path descriptions = fs::path(BRAMBLE_SOURCE_RESOURCES).parent_path() / "tools" / "levels";
    int levels = 0;
    for (const auto& entry : fs::directory_iterator(descriptions)) {
        if (!entry.is_regular_file()) continue;
        std::string path, text, error;
        ASSERT_TRUE(GenerateLevel(entry.path().string(), path, text, error)) << error;
        EXPECT_EQ(text, ReadFile(path)) << path << " differs from " << entry.path() << ": run make_levels build";
        ++levels;
    }
    EXPECT_LE(1, levels);
}

}  // namespace
