// What a level holds once it is loaded: the players, the attack pool, parents and picking.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "flow_fixture.h"
#include "input/controller.h"
#include "physics/body.h"
#include "physics/body_picking_message.h"
#include "physics/physics.h"
#include "physics/picking.h"

namespace {

class Spawning : public FlowTest {
protected:
    // Loads Level_1 with these objects, as the game enters it from the selection.
    void EnterLevel(const std::vector<std::string>& objects) {
        WriteLevel(Level_1, objects);
        if (!running_) systems.BeginPass();
        running_ = true;
        ASSERT_TRUE(Enter(Selection));
        for (const auto& [player, character] : choices) Choose(player, character);
        ASSERT_TRUE(Enter(Level_1));
    }
    // Everything spawning said on standard output.
    std::string EnterLevelSaying(const std::vector<std::string>& objects) {
        testing::internal::CaptureStdout();
        EnterLevel(objects);
        return testing::internal::GetCapturedStdout();
    }

    std::map<int, CHARID> choices;

private:
    bool running_ = false;
};

TEST_F(Spawning, EachPlayerGetsTheChosenCharacterAtTheirStart) {
    WriteCharacters({"LadyRed", "BoxerRed", "NinjaBlue", "BoxerBlue"});
    choices = {{0, BoxerRed}, {1, LadyRed}, {2, NinjaBlue}, {3, BoxerBlue}};
    EnterLevel({LevelObject()});
    struct Expected {
        const char* name;
        int player;
        int resSeq;
        Vec2 start;
    };
    const Expected players[] = {
        {"BoxerRed0", 0, 1, {-300, 10}},
        {"LadyRed1", 1, 1, {-100, 20}},
        {"NinjaBlue2", 2, 2, {100, 30}},
        {"BoxerBlue3", 3, 2, {300, 40}},
    };
    for (const Expected& want : players) {
        GameObject* character = Named(want.name);
        ASSERT_NE(nullptr, character) << want.name;
        EXPECT_EQ(1u, Map(1).count(character->id)) << want.name;
        EXPECT_EQ(want.player, character->Get<Controller>(CONTROLLER)->playerId) << want.name;
        EXPECT_EQ(want.resSeq, *ObjectVariable<int>(character, "resSeq")) << want.name;
        EXPECT_EQ(want.start, character->Get<Body>(BODY)->Position()) << want.name;
        EXPECT_TRUE(character->active) << want.name;
    }
}

TEST_F(Spawning, OnlyPlayersWhoChoseACharacterAppear) {
    WriteCharacters({"LadyRed", "NinjaBlue"});
    choices = {{1, NinjaBlue}};
    EnterLevel({LevelObject(), Thing("Court")});
    EXPECT_EQ(3u, Map(1).size()) << "the level object, the court and one player";
    EXPECT_NE(nullptr, Named("NinjaBlue1"));
}

TEST_F(Spawning, ALevelWithoutALevelObjectSpawnsNobody) {
    WriteCharacters({"LadyRed"});
    choices = {{0, LadyRed}};
    EnterLevel({Thing("Court")});
    EXPECT_EQ(1u, Map(1).size());
}

TEST_F(Spawning, AMenuWithNobodyPlayingNeverCreatesTheCharacterFile) {
    std::filesystem::remove(kCharacterFileName);
    WriteLevel(MainMenu, {LevelObject()});
    systems.BeginPass();
    EXPECT_TRUE(systems.RunFrame());
    EXPECT_FALSE(std::filesystem::exists(kCharacterFileName));
}

TEST_F(Spawning, BrokenCharactersOrLevelObjectsAreReportedInOneLineAndNeverCrash) {
    struct Case {
        const char* situation;
        const char* characterFile;  // null: no file at all
        std::string levelObject;
        const char* said;
        const char* spawned;        // null: nobody
        Vec2 where;
    };
    const std::string charGraph = R"("AI_Component": {"AI_Type": "Char_AI", "InputNodeStruct": {}})";
    const std::string body = R"("Body": {"shapeid": 1, "x": 5, "y": 6, "mass": 1})";
    const std::string controller = R"("Controller": {"playerId": 0, "moveForce": 1, "jumpForce": 1})";
    const std::string ladyWithout = R"({"LadyRed": {"n": "LadyRed", "t": "Default", "on": true)";
    const std::string noController = ladyWithout + ", " + body + ", " + charGraph + "}}";
    const std::string noBody = ladyWithout + ", " + controller + ", " + charGraph + "}}";
    const std::string noGraph = ladyWithout + ", " + body + ", " + controller + "}}";
    const std::string complete = "{" + Character("LadyRed") + "}";
    const std::string noStarts =
        R"({"n": "LevelObj", "t": "Default", "on": true, "AI_Component": {"AI_Type": "Char_AI"}})";
    const std::string bareLevelObject = R"({"n": "LevelObj", "t": "Default", "on": true})";
    const Case cases[] = {
        {"no character file", nullptr, LevelObject(), "Character.json: missing", nullptr, {}},
        {"a broken character file", "{\"LadyRed\": ", LevelObject(), "Fail to Build", nullptr, {}},
        {"a name the file lacks", "{\"BoxerRed\": {}}", LevelObject(), "no character \"LadyRed\"", nullptr, {}},
        {"no Controller", noController.c_str(), LevelObject(), "has no Controller", "LadyRed0", {-300, 10}},
        {"no Body", noBody.c_str(), LevelObject(), "has no Body", "LadyRed0", {}},
        {"no graph", noGraph.c_str(), LevelObject(), "has no AI_Component", "LadyRed0", {-300, 10}},
        {"a level object without start positions", complete.c_str(), noStarts, "no Vec2 variable \"InitPos0\"",
         "LadyRed0", {5, 5}},
        {"a level object without variables", complete.c_str(), bareLevelObject, "has no variables", "LadyRed0",
         {5, 5}},
    };
    for (const Case& c : cases) {
        if (c.characterFile) {
            WriteFile(kCharacterFileName, c.characterFile);
        } else {
            std::filesystem::remove(kCharacterFileName);
        }
        choices = {{0, LadyRed}};
        const std::string said = EnterLevelSaying({c.levelObject});
        EXPECT_NE(std::string::npos, said.find(c.said)) << c.situation << ": " << said;
        EXPECT_EQ(c.characterFile != nullptr, std::filesystem::exists(kCharacterFileName)) << c.situation;
        GameObject* lady = Named("LadyRed0");
        EXPECT_EQ(c.spawned != nullptr, lady != nullptr) << c.situation;
        EXPECT_EQ(1u + (c.spawned ? 1 : 0), Map(1).size()) << c.situation << ": no stray objects";
        if (lady && lady->Get<Body>(BODY)) {
            EXPECT_EQ(c.where, lady->Get<Body>(BODY)->Position()) << c.situation;
        }
    }
}

TEST_F(Spawning, EachAttackBecomesAnInactiveTemplateWithTenInactiveCopies) {
    const std::string attackBody = R"("Body": {"shapeid": 0, "width": 10, "height": 10, "mass": 1, "isGravity": true})";
    EnterLevel({LevelObject(), Thing("Court"),
                R"({"n": "Punch", "t": "Attack", "on": true, )" + attackBody + "}",
                R"({"n": "Kick", "t": "Attack", "on": true, )" + attackBody + "}"});
    EXPECT_EQ(20u, Map(2).size());
    std::map<std::string, int> copies;
    for (const auto& [id, copy] : Map(2)) {
        ++copies[copy->name];
        EXPECT_FALSE(copy->active);
        EXPECT_EQ(GameObject::LookUpTypeId("Attack"), copy->typeId);
        ASSERT_NE(nullptr, copy->Get<Body>(BODY));
        EXPECT_EQ(0, copy->Get<Body>(BODY)->gravityY);
    }
    EXPECT_EQ((std::map<std::string, int>{{"Kick", 10}, {"Punch", 10}}), copies);
    Physics* physics = systems.Get<Physics>(PHYSICS);
    for (const char* name : {"Punch", "Kick"}) {
        GameObject* attack = Named(name);
        ASSERT_EQ(1u, Map(1).count(attack->id)) << name << ": the template stays in the level";
        EXPECT_FALSE(attack->active) << name;
        Body* body = attack->Get<Body>(BODY);
        EXPECT_TRUE(body->isMove) << name;
        EXPECT_EQ(Vec2(0, 0), Vec2(body->gravityX, body->gravityY)) << name;
        const auto at = std::find(physics->bodies.begin(), physics->bodies.end(), body);
        EXPECT_TRUE(std::all_of(physics->bodies.begin(), at, [](const Body* b) { return b->isMove; }))
            << name << " stands among the moving bodies";
    }
    EXPECT_FLOAT_EQ(-9.8f, Named("Court")->Get<Body>(BODY)->gravityY) << "other bodies keep the level gravity";
}

TEST_F(Spawning, ParentsAreFoundByNameAfterEverythingIsBuilt) {
    EnterLevel({Thing("Hat", "Default", R"("Parent": "Head", )"), Thing("Head"),
                Thing("Orphan", "Default", R"("Parent": "Nobody", )")});
    EXPECT_EQ(Named("Head"), Named("Hat")->parent) << "a parent later in the file is found";
    EXPECT_EQ(nullptr, Named("Orphan")->parent);
}

// The object-type table of a game with types the player may drag and types they may not.
class Picking : public Spawning {
protected:
    void BeforeStartUp() override {
        WriteFile("Resources/ObjData/GameObjectType.json",
                  R"({"Default": 0, "Platform": 1, "Attack": 2, "Wall": 9, "Crate": 10})");
    }
    Body* Click(float x, float y) {
        ClearPick();
        auto* message = CloneMessage<BodyPickingMessage>();
        message->x = x;
        message->y = y;
        message->Post();
        MessageCenter::GetInstance().Dispatch();
        return PickedBody;
    }
};

TEST_F(Picking, OnlyDraggableTypesCanBePickedAfterLoading) {
    EnterLevel({R"({"n": "Wall", "t": "Wall", "on": true, "Body": {"shapeid": 1, "x": 0, "y": 0}})",
                R"({"n": "Crate", "t": "Crate", "on": true, "Body": {"shapeid": 1, "x": 100, "y": 0}})"});
    EXPECT_EQ(nullptr, Click(0, 0)) << "a wall stays put";
    EXPECT_EQ(Named("Crate")->Get<Body>(BODY), Click(100, 0));
}

}  // namespace
