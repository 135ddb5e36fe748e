#include <gtest/gtest.h>

#include "core/game_object.h"
#include "support/engine_test.h"
#include "support/probe_component.h"

namespace {

using SpriteProbe = ProbeComponent<SPRITE>;
using BodyProbe = ProbeComponent<BODY>;

using GameObjectTest = EngineTest;

TEST_F(GameObjectTest, ASecondComponentOfOneKindReplacesTheFirst) {
    const int before = SpriteProbe::alive;
    {
        GameObject object;
        auto* first = new SpriteProbe();
        auto* second = new SpriteProbe();
        object.AddComponent(first);
        object.AddComponent(second);
        EXPECT_EQ(before + 1, SpriteProbe::alive) << "the first sprite is deleted";
        EXPECT_EQ(second, object.GetComponent(SPRITE));
        EXPECT_EQ(&object, second->owner);
        object.AddComponent(second);  // the same one again stays alive
        EXPECT_EQ(second, object.GetComponent(SPRITE));
    }
    EXPECT_EQ(before, SpriteProbe::alive) << "the object deletes its components";
}

TEST_F(GameObjectTest, HiddenComponentsCountAsAbsentAndStayInactive) {
    GameObject object;
    auto* sprite = new SpriteProbe();
    auto* body = new BodyProbe();
    object.AddComponent(sprite);
    object.AddComponent(body);
    sprite->hidden = true;
    EXPECT_EQ(nullptr, object.GetComponent(SPRITE));
    EXPECT_EQ(body, object.GetComponent(BODY));
    EXPECT_EQ(nullptr, object.GetComponent(CONTROLLER));

    object.SetActive(false);
    EXPECT_FALSE(object.active);
    EXPECT_FALSE(sprite->active);
    EXPECT_FALSE(body->active);
    object.SetActive(true);
    EXPECT_TRUE(object.active);
    EXPECT_FALSE(sprite->active) << "a hidden component stays inactive";
    EXPECT_TRUE(body->active);
}

using ObjectTypesTest = ResourcesTest;

TEST_F(ObjectTypesTest, UnknownTypeNamesGetTheIdOfDefault) {
    WriteFile("Resources/ObjData/GameObjectType.json", "{\"Default\": 4, \"Platform\": 1, \"Platform\": 7}");
    GameObject::LoadTypes();
    EXPECT_EQ(7u, GameObject::LookUpTypeId("Platform")) << "a later duplicate wins";
    EXPECT_EQ(4u, GameObject::LookUpTypeId("Dragon"));
    GameObject object;
    object.SetType("Dragon");
    EXPECT_EQ(4u, object.typeId);
}

TEST_F(ObjectTypesTest, WithoutATableEveryTypeIsZero) {
    WriteFile("Resources/ObjData/GameObjectType.json", "{\"Default\": ");
    testing::internal::CaptureStdout();
    GameObject::LoadTypes();
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, said.find("Fail to Read object list"));
    EXPECT_EQ(0u, GameObject::LookUpTypeId("Platform"));
    EXPECT_EQ(1u, GameObjectTypes().count("Default"));
    EXPECT_EQ("{\"Default\": ", ReadFile("Resources/ObjData/GameObjectType.json")) << "a broken table is kept";
}

TEST_F(ObjectTypesTest, TheTableIsRewrittenInTheProgramsLayout) {
    WriteFile("Resources/ObjData/GameObjectType.json", "{\"Default\":0,\"Bad\":-3,\"Platform\":1}");
    testing::internal::CaptureStdout();
    GameObject::LoadTypes();
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("Bad"));
    EXPECT_EQ(0u, GameObjectTypes().count("Bad"));
    EXPECT_EQ("{\n    \"Default\": 0,\n    \"Bad\": -3,\n    \"Platform\": 1\n}\n",
              ReadFile("Resources/ObjData/GameObjectType.json"));
}

}  // namespace
