// The Controller component: the flags and forces it turns a player's controls into, its JSON,
// and how objects get one from a level file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/composite_factory.h"
#include "core/startup.h"
#include "flow/game_state_manager.h"
#include "input/controller.h"
#include "input_fixture.h"
#include "platform/virtual_keys.h"

namespace {

namespace vk = platform::vk;

class ControllerTest : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        StartInput();
    }

    // A controller as a level file would describe it.
    std::unique_ptr<Controller> Make(int playerId, float moveForce, float jumpForce) {
        auto controller = std::make_unique<Controller>();
        json::Document doc;
        doc.Parse(("{\"Controller\": {\"playerId\": " + std::to_string(playerId) +
                   ", \"moveForce\": " + std::to_string(moveForce) + ", \"jumpForce\": " +
                   std::to_string(jumpForce) + "}}")
                      .c_str());
        controller->Unserialize(*doc.MemberBegin());
        return controller;
    }

    void Stick(int player, int16_t x) {
        platform::PadState state;
        state.thumbLX = x;
        scripted->SetPad(player, state);
    }
};

TEST_F(ControllerTest, ControllersMadeWithoutSettingsTakePlayers1To4ThenStayOn4) {
    std::vector<std::unique_ptr<Controller>> made;
    std::vector<int> ids;
    for (int i = 0; i < 6; ++i) {
        made.push_back(std::make_unique<Controller>());
        ids.push_back(made.back()->playerId);
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 3, 3}), ids);
    EXPECT_EQ(6u, input->controllers.size());
    made.clear();
    EXPECT_TRUE(input->controllers.empty());
    EXPECT_EQ(0, input->controllerCount);
}

TEST_F(ControllerTest, SettingsAreReadWrittenAndCopied) {
    auto controller = Make(2, 16.0f, 300.5f);
    EXPECT_EQ(2, controller->playerId);
    EXPECT_EQ(PLAYER_3, controller->playerIndex);
    EXPECT_FLOAT_EQ(0.5f, controller->stickFactor);
    EXPECT_FLOAT_EQ(300.5f, controller->jumpForce);

    rapidjson::StringBuffer text;
    json::Writer writer(text);
    controller->Serialize(writer);
    json::Document written;
    written.Parse(text.GetString());
    ASSERT_TRUE(written.IsObject());
    EXPECT_EQ(3u, written.MemberCount());
    EXPECT_STREQ("playerId", written.MemberBegin()->name.GetString());
    EXPECT_EQ(2, written["playerId"].GetInt());
    EXPECT_DOUBLE_EQ(16.0, written["moveForce"].GetDouble());
    EXPECT_DOUBLE_EQ(300.5, written["jumpForce"].GetDouble());

    std::unique_ptr<Controller> copy(static_cast<Controller*>(controller->Clone()));
    EXPECT_EQ(2, copy->playerId);
    EXPECT_FLOAT_EQ(16.0f, copy->moveForce);
    EXPECT_FLOAT_EQ(0.5f, copy->stickFactor);
    EXPECT_FLOAT_EQ(300.5f, copy->jumpForce);
    EXPECT_EQ(2u, input->controllers.size());
}

TEST_F(ControllerTest, AnIdThatIsNoPlayerPlaysAsPlayer1WithoutGrowingTheTable) {
    testing::internal::CaptureStdout();
    auto controller = Make(7, 10, 10);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(PLAYER_1, controller->playerIndex);
    EXPECT_EQ(4u, input->playerIds.size());
}

TEST_F(ControllerTest, KeysBecomeFlagsAndFullForces) {
    auto controller = Make(0, 16, 250);
    struct Case {
        const char* situation;
        std::vector<int> keys;
        uint32_t firstFrame;   // the frame the keys went down
        uint32_t secondFrame;  // still held
    };
    const std::vector<Case> cases = {
        {"jump only as the key goes down", {' '}, kControlFlagJump, 0},
        {"walking left is held", {'A'}, 0, kControlFlagLeft},
        {"down and up edges", {'S', 'W'}, kControlFlagDown | kControlFlagUp, 0},
        {"push, pull and skill", {'F', 'G', 'R'}, kControlFlagPush | kControlFlagPull | kControlFlagSkill, 0},
        {"Enter and Exit from the shared keys", {vk::kReturn, vk::kEscape}, kControlFlagEnter | kControlFlagExit, 0},
        {"Pause is not a flag", {'P'}, 0, 0},
        {"another player's keys", {vk::kLeft, 'K'}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        for (int key : c.keys) Key(key, true);
        Frame(2);  // polled, then the controller runs on that poll
        EXPECT_EQ(c.firstFrame, controller->controlBits);
        Frame();
        EXPECT_EQ(c.secondFrame, controller->controlBits);
        for (int key : c.keys) Key(key, false);
        Frame(2);
        EXPECT_EQ(0u, controller->controlBits);
    }
    EXPECT_TRUE(controller->hasInput);
    EXPECT_FLOAT_EQ(250.0f, controller->jumpValue);
    EXPECT_FLOAT_EQ(-16.0f, controller->leftForce);
    Key('D', true);
    Frame(3);
    EXPECT_FLOAT_EQ(16.0f, controller->rightForce);
}

TEST_F(ControllerTest, StickForcesScaleWithTheStickAndOnlyTheRightOneIsWhole) {
    auto controller = Make(1, 16, 250);  // a stick step is worth 0.5
    PlugPad(1);
    struct Case {
        int16_t x;
        uint32_t bits;
        float left;
        float right;
    };
    const std::vector<Case> cases = {
        {-9000, kControlFlagLeft, -4.5f, 0.0f},
        {9000, kControlFlagRight, -4.5f, 4.0f},
        {-32768, kControlFlagLeft, -16.0f, 4.0f},
        {32767, kControlFlagRight, -16.0f, 16.0f},
        {7849, 0, -16.0f, 16.0f},  // inside the dead zone: nothing, forces kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        Stick(1, c.x);
        Frame(2);
        EXPECT_EQ(c.bits, controller->controlBits);
        EXPECT_FLOAT_EQ(c.left, controller->leftForce);
        EXPECT_FLOAT_EQ(c.right, controller->rightForce);
    }
}

TEST_F(ControllerTest, AnInactivePlayerOrWindowReportsNothingAndForcesAreKept) {
    auto controller = Make(0, 16, 250);
    Key('A', true);
    Frame(3);
    ASSERT_EQ(kControlFlagLeft, controller->controlBits);
    input->players[0]->isInactive = true;
    Frame();
    EXPECT_EQ(0u, controller->controlBits);
    EXPECT_FLOAT_EQ(-16.0f, controller->leftForce);

    input->players[0]->isInactive = false;
    Frame();
    ASSERT_EQ(kControlFlagLeft, controller->controlBits);
    window->isMinimized = true;
    Key('A', false);
    Frame(3);
    EXPECT_EQ(kControlFlagLeft, controller->controlBits) << "kept while the window is minimised";
    controller->active = false;
    window->isMinimized = false;
    Frame(3);
    EXPECT_EQ(kControlFlagLeft, controller->controlBits) << "an inactive controller is not run";
}

TEST_F(ControllerTest, ALevelFileGivesObjectsTheirControllers) {
    auto* factory = new CompositeFactory();
    SystemManager::GetInstance().AddSystem(factory);
    factory->Init();
    WriteFile("Resources/levelData/controllers.json",
              "{\"Settings\": {\"cameraX\": 0, \"cameraY\": 0, \"cameraZ\": 0, \"gravity\": 0, \"AI file\": \"\"},"
              " \"P2\": {\"Name\": \"Hero\", \"Type\": \"Default\", \"Active\": true,"
              " \"Controller\": {\"playerId\": 1, \"moveForce\": 8, \"jumpForce\": 100}}}");
    ObjectMap objects;
    testing::internal::CaptureStdout();
    factory->BuildFromFile(objects, "Resources/levelData/controllers.json");
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(1u, objects.size());
    auto* controller = objects.begin()->second->Get<Controller>(CONTROLLER);
    ASSERT_NE(nullptr, controller);
    EXPECT_EQ(1, controller->playerId);
    EXPECT_FLOAT_EQ(8.0f, controller->moveForce);
    Key(vk::kRight, true);
    Frame(3);
    EXPECT_EQ(kControlFlagRight, controller->controlBits);
    factory->DestroyAllObjects(objects);
    EXPECT_TRUE(input->controllers.empty());
}

TEST_F(ControllerTest, ControllersOutlivingTheInputSystemDoNothing) {
    auto controller = Make(0, 16, 250);
    SystemManager::GetInstance().Reset();  // deletes the input system first
    controller->Update();
    EXPECT_EQ(nullptr, controller->input);
}

}  // namespace

namespace {

// The whole game on the scripted backend: start-up makes the input system, the level file
// gives an object its controller, and a key pressed between frames reaches it.
class ControllerInTheGame : public ResourcesTest {};

TEST_F(ControllerInTheGame, AKeyPressReachesTheControllerOfALevelObject) {
    auto backend = std::make_unique<platform::ScriptedBackend>(false);
    platform::ScriptedBackend* scripted = backend.get();
    platform::Install(std::move(backend));
    WriteFile("Resources/levelData/level0.json",
              "{\"LevelSettings\": {\"cameraX\": 0, \"cameraY\": 0, \"cameraZ\": 0, \"gravity\": 0,"
              " \"AI file\": \"Resources/AI/MainMenu.json\"},"
              " \"Hero\": {\"Name\": \"Hero\", \"Type\": \"Default\", \"Active\": true,"
              " \"Controller\": {\"playerId\": 0, \"moveForce\": 10, \"jumpForce\": 50}}}");
    ASSERT_TRUE(StartUp());
    SystemManager& systems = SystemManager::GetInstance();
    systems.BeginRun();
    systems.BeginPass();
    auto* hero = GameStateManager::FindObjectByName("Hero");
    ASSERT_NE(nullptr, hero);
    auto* controller = hero->Get<Controller>(CONTROLLER);
    ASSERT_NE(nullptr, controller);
    scripted->SetKey(' ', true);
    ASSERT_TRUE(systems.RunFrame());
    ASSERT_TRUE(systems.RunFrame());
    EXPECT_EQ(kControlFlagJump, controller->controlBits);
    EXPECT_FLOAT_EQ(50.0f, controller->jumpValue);
}

}  // namespace
