#include <gtest/gtest.h>

#include "core/composite_factory.h"
#include "flow/game_state_manager.h"
#include "support/engine_test.h"
#include "support/probe_component.h"

namespace {

using SpriteProbe = ProbeComponent<SPRITE>;
using BodyProbe = ProbeComponent<BODY>;

const char* const kSettings =
    "\"Settings\": {\"cameraX\": 1, \"cameraY\": 2.5, \"cameraZ\": 3, \"gravity\": -9.5, \"AI file\": \"ai.json\"}";

class CompositeFactoryTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        WriteFile("Resources/ObjData/GameObjectType.json", "{\"Default\": 0, \"Platform\": 1, \"Attack\": 2}");
        GameObject::LoadTypes();
        factory.AddComponentCreator("Sprite", new GameComponentCreatorType<SpriteProbe>(SPRITE));
        factory.AddComponentCreator("Body", new GameComponentCreatorType<BodyProbe>(BODY));
    }
    void TearDown() override {
        factory.DestroyAllObjects(objects);
        ResourcesTest::TearDown();
    }

    GameObject* Named(const std::string& name) {
        for (auto& [id, object] : objects) {
            if (object->name == name) return object;
        }
        return nullptr;
    }

    CompositeFactory factory;
    ObjectMap objects;
};

TEST_F(CompositeFactoryTest, ReadsDescriptionsByPosition) {
    WriteFile("level.json", std::string("{") + kSettings + R"(,
        "a": {"n": "Floor", "t": "Platform", "on": true, "Sprite": {"value": "grass"}},
        "b": {"n": "Hat", "t": "Default", "Parent": "Floor", "on": true},
        "c": {"n": "Off1", "t": "Default", "on": false},
        "d": {"n": "Off2", "t": "Default", "on": 0},
        "e": {"n": "Off3", "t": "Default", "on": "true"},
        "f": {"n": "Twice", "t": "Attack", "on": true, "Sprite": {"value": "one"}, "Sprite": {"value": "two"}}})");
    factory.BuildFromFile(objects, "level.json");
    ASSERT_EQ(6u, objects.size());

    GameObject* floor = Named("Floor");
    ASSERT_NE(nullptr, floor);
    EXPECT_EQ(1u, floor->typeId);
    EXPECT_TRUE(floor->active);
    ASSERT_NE(nullptr, floor->Get<SpriteProbe>(SPRITE));
    EXPECT_EQ("grass", floor->Get<SpriteProbe>(SPRITE)->value);
    EXPECT_EQ(floor, floor->GetComponent(SPRITE)->owner);

    GameObject* hat = Named("Hat");
    EXPECT_EQ("Floor", hat->parentName);
    EXPECT_TRUE(hat->active) << "with a parent the active flag sits at position 3";
    EXPECT_EQ(nullptr, hat->parent) << "parents are resolved by the level loader";

    for (const char* name : {"Off1", "Off2", "Off3"}) EXPECT_FALSE(Named(name)->active) << name;
    EXPECT_EQ("two", Named("Twice")->Get<SpriteProbe>(SPRITE)->value);

    auto& level = GameStateManager::Instance();
    EXPECT_FLOAT_EQ(2.5f, level.camera[1]);
    EXPECT_FLOAT_EQ(-9.5f, level.gravity.y);
    EXPECT_EQ("ai.json", level.aiFile);
}

TEST_F(CompositeFactoryTest, ALevelIsRewrittenAndBuildsTheSameObjectsAgain) {
    WriteFile("level.json", std::string("{") + kSettings +
                                R"(,"a":{"n":"Floor","t":"Platform","on":true,"Body":{"value":"x"}}})");
    factory.BuildFromFile(objects, "level.json");
    const std::string rewritten = ReadFile("level.json");
    EXPECT_NE(std::string::npos, rewritten.find("\n    \"a\": {\n        \"n\": \"Floor\""));
    factory.DestroyAllObjects(objects);
    factory.BuildFromFile(objects, "level.json");
    EXPECT_EQ(rewritten, ReadFile("level.json"));
    ASSERT_EQ(1u, objects.size());
    EXPECT_EQ("x", objects.begin()->second->Get<BodyProbe>(BODY)->value);
}

TEST_F(CompositeFactoryTest, IdsContinueAcrossLevels) {
    WriteFile("level.json", std::string("{") + kSettings + R"(,"a":{"n":"A","t":"Default","on":true},
                                                             "b":{"n":"B","t":"Default","on":true}})");
    factory.BuildFromFile(objects, "level.json");
    EXPECT_EQ(0u, Named("A")->id);
    EXPECT_EQ(1u, Named("B")->id);
    factory.DestroyAllObjects(objects);
    EXPECT_TRUE(objects.empty());
    factory.BuildFromFile(objects, "level.json");
    EXPECT_EQ(2u, Named("A")->id);
    EXPECT_EQ(3u, Named("B")->id);
    EXPECT_EQ(Named("B"), objects.at(3));
    const uint32_t fresh = factory.CreateGameObject(objects);
    EXPECT_EQ(4u, fresh);
    EXPECT_EQ("Game Object 4", objects.at(fresh)->name);
}

TEST_F(CompositeFactoryTest, BrokenDescriptionsAndUnknownComponentsAreSkipped) {
    WriteFile("level.json", std::string("{") + kSettings + R"(,
        "ok": {"n": "Ok", "t": "Default", "on": true, "Wings": {"value": 1}, "Sprite": {"value": "s"}},
        "short": {"n": "Short", "t": "Default"},
        "notext": {"n": 5, "t": "Default", "on": true},
        "list": [1, 2, 3]})");
    testing::internal::CaptureStdout();
    factory.BuildFromFile(objects, "level.json");
    const std::string said = testing::internal::GetCapturedStdout();
    ASSERT_EQ(1u, objects.size());
    GameObject* ok = Named("Ok");
    ASSERT_NE(nullptr, ok);
    EXPECT_NE(nullptr, ok->GetComponent(SPRITE));
    EXPECT_NE(std::string::npos, said.find("level.json: object \"Ok\": unknown component \"Wings\""));
    EXPECT_NE(std::string::npos, said.find("level.json: more problems; only the first 3 are shown")) << said;
    EXPECT_EQ(4, std::count(said.begin(), said.end(), '\n')) << said;
}

TEST_F(CompositeFactoryTest, ABrokenLevelBuildsNothingAndIsKept) {
    const std::string broken = std::string("{") + kSettings + ", \"a\": {\"n\": \"A\"";
    WriteFile("level.json", broken);
    testing::internal::CaptureStdout();
    factory.BuildFromFile(objects, "level.json");
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(objects.empty());
    EXPECT_NE(std::string::npos, said.find("level.json"));
    EXPECT_NE(std::string::npos, said.find("Fail to Build and unserializer"));
    EXPECT_EQ(broken, ReadFile("level.json"));
}

TEST_F(CompositeFactoryTest, CharactersComeFromTheCharacterFile) {
    WriteFile("Resources/ObjData/Character.json", R"({
        "LadyRed": {"n": "LadyRed", "t": "Default", "on": false, "Sprite": {"value": "lady"}}})");
    GameObject* lady = factory.BuildCharacter(objects, "LadyRed");
    ASSERT_NE(nullptr, lady);
    EXPECT_EQ("LadyRed", lady->name);
    EXPECT_TRUE(lady->active) << "characters always start active";
    EXPECT_EQ("lady", lady->Get<SpriteProbe>(SPRITE)->value);

    testing::internal::CaptureStdout();
    GameObject* nobody = factory.BuildCharacter(objects, "NinjaBlue");
    testing::internal::GetCapturedStdout();
    ASSERT_NE(nullptr, nobody);
    EXPECT_EQ("Game Object 1", nobody->name);
    EXPECT_EQ(nullptr, nobody->GetComponent(SPRITE));
    EXPECT_EQ(2u, objects.size());
}

// Left without its flag, an object's first component would stand in the flag's place.
TEST_F(CompositeFactoryTest, AnObjectWithoutItsActiveFlagIsSkippedInOneLineNamingIt) {
    const struct {
        const char* situation;
        const char* description;
    } cases[] = {
        {"a component where the flag goes", R"({"n": "Crate", "t": "Default", "Sprite": {"value": "box"}})"},
        {"after a parent", R"({"n": "Crate", "t": "Default", "Parent": "P", "Sprite": {}, "Body": {}})"},
        {"a list where the flag goes", R"({"n": "Crate", "t": "Default", "on": [true], "Body": {}})"},
    };
    const std::string line =
        "level.json: object \"Crate\": an object description needs a name, a type and an active flag; skipped\n";
    for (const auto& c : cases) {
        factory.DestroyAllObjects(objects);
        WriteFile("level.json", std::string("{") + kSettings + ", \"c\": " + c.description + "}");
        testing::internal::CaptureStdout();
        factory.BuildFromFile(objects, "level.json");
        EXPECT_EQ(line, testing::internal::GetCapturedStdout()) << c.situation;
        EXPECT_TRUE(objects.empty()) << c.situation;
    }
    WriteFile("Resources/ObjData/Character.json", R"({"LadyRed": {"n": "LadyRed", "t": "Default", "Body": {}}})");
    testing::internal::CaptureStdout();
    GameObject* lady = factory.BuildCharacter(objects, "LadyRed");
    EXPECT_EQ("Resources/ObjData/Character.json: object \"LadyRed\": an object description needs a name, a type and an "
              "active flag; skipped\n",
              testing::internal::GetCapturedStdout());
    ASSERT_NE(nullptr, lady);
    EXPECT_EQ(nullptr, lady->GetComponent(BODY));
}

TEST_F(CompositeFactoryTest, ABrokenCharacterFileGivesNoCharacter) {
    WriteFile("Resources/ObjData/Character.json", "{\"LadyRed\": ");
    testing::internal::CaptureStdout();
    EXPECT_EQ(nullptr, factory.BuildCharacter(objects, "LadyRed"));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("Character.json"));
}

TEST_F(CompositeFactoryTest, ClonesCopyNameTypeComponentsAndActivityButNotTheParent) {
    WriteFile("level.json", std::string("{") + kSettings + R"(,
        "p": {"n": "P", "t": "Default", "on": true},
        "a": {"n": "Strike", "t": "Attack", "Parent": "P", "on": false, "Sprite": {"value": "fist"}}})");
    factory.BuildFromFile(objects, "level.json");
    GameObject* source = Named("Strike");
    source->parent = Named("P");
    ObjectMap copies;
    GameObject* copy = factory.CloneGameObject(copies, source);
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(source->id, copy->id);
    EXPECT_EQ("Strike", copy->name);
    EXPECT_EQ(2u, copy->typeId);
    EXPECT_FALSE(copy->active);
    EXPECT_EQ(nullptr, copy->parent);
    EXPECT_EQ("", copy->parentName);
    ASSERT_NE(nullptr, copy->Get<SpriteProbe>(SPRITE));
    EXPECT_NE(source->GetComponent(SPRITE), copy->GetComponent(SPRITE));
    EXPECT_EQ("fist", copy->Get<SpriteProbe>(SPRITE)->value);
    EXPECT_EQ(copy, copy->GetComponent(SPRITE)->owner);
    EXPECT_EQ(nullptr, factory.CloneGameObject(copies, nullptr));
    factory.DestroyAllObjects(copies);
}

}  // namespace
