// Moving between game states on the real engine: level files, resets, players and flow messages.
#include <gtest/gtest.h>

#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "flow/flow_messages.h"
#include "flow_fixture.h"
#include "physics/body.h"
#include "physics/collision_message.h"
#include "physics/physics.h"

namespace {

// Counts the level-status messages the game-flow manager itself posts.
class StatusLog : public IListener {
public:
    void HandleMessage(IMessage* message) override {
        if (message == GameStateManager::Instance().levelStatus) ++fromManager;
    }
    int fromManager = 0;
};

class GameStates : public FlowTest {
protected:
    void SetUp() override {
        FlowTest::SetUp();
        WriteCharacters({"LadyRed", "NinjaBlue"});
        WriteLevel(MainMenu, {LevelObject(), Thing("MenuCursor")});
        WriteLevel(Selection, {LevelObject(), Thing("Portraits")});
        WriteLevel(Level_1, {LevelObject(), Thing("Court")});
        WriteLevel(Level_2, {LevelObject(), Thing("Bridge")});
        WriteLevel(WinRed, {LevelObject(), Thing("RedBanner")});
    }
};

TEST_F(GameStates, AWholeGameGoesFromTheMenuThroughTheLevelsToAWinAndBack) {
    systems.BeginPass();
    ASSERT_NE(nullptr, Named("MenuCursor"));
    struct Step {
        GameState state;
        const char* landmark;
        bool playersShown;
    };
    const Step steps[] = {
        {Selection, "Portraits", false}, {Level_1, "Court", true},     {Level_2, "Bridge", true},
        {WinRed, "RedBanner", false},    {MainMenu, "MenuCursor", false},
    };
    for (const Step& step : steps) {
        if (step.state == Level_1) {  // chosen in the selection
            Choose(0, LadyRed);
            Choose(3, NinjaBlue);
        }
        const GameState from = GameStateManager::currentState;
        ASSERT_TRUE(Enter(step.state));
        EXPECT_EQ(step.state, GameStateManager::currentState) << step.landmark;
        EXPECT_EQ(from, GameStateManager::previousState) << step.landmark;
        EXPECT_NE(nullptr, Named(step.landmark));
        EXPECT_EQ(step.playersShown, Named("LadyRed0") != nullptr) << step.landmark;
        EXPECT_EQ(step.playersShown, Named("NinjaBlue3") != nullptr) << step.landmark;
        EXPECT_EQ(step.playersShown ? LadyRed : None, GameStateManager::Instance().playerCharacters[0])
            << "choices last through the levels and end with them: " << step.landmark;
        EXPECT_EQ(1, GameStateManager::Instance().currentScene);
    }
}

TEST_F(GameStates, RestartReloadsTheLevelWithItsPlayers) {
    systems.BeginPass();
    ASSERT_TRUE(Enter(Selection));
    Choose(1, NinjaBlue);
    ASSERT_TRUE(Enter(Level_2));
    GameObject* before = Named("NinjaBlue1");
    ASSERT_NE(nullptr, before);
    const uint32_t firstId = before->id;
    before->Get<Body>(BODY)->shape->SetPosition(999, 999);

    ASSERT_TRUE(Enter(Restart));
    EXPECT_EQ(Level_2, GameStateManager::currentState);
    GameObject* again = Named("NinjaBlue1");
    ASSERT_NE(nullptr, again) << "the restarted level has its player again";
    EXPECT_NE(firstId, again->id);
    EXPECT_EQ(Vec2(-100, 20), again->Get<Body>(BODY)->Position()) << "back at the start";
    EXPECT_EQ(NinjaBlue, GameStateManager::Instance().playerCharacters[1]);

    // A restart requested outside the levels has nobody to keep.
    ASSERT_TRUE(Enter(WinRed));
    ASSERT_TRUE(Enter(Restart));
    EXPECT_EQ(WinRed, GameStateManager::currentState);
    EXPECT_EQ(None, GameStateManager::Instance().playerCharacters[1]);
}

TEST_F(GameStates, InvalidAndUnknownStatesEndTheGameAfterTwoResetsWithoutAFrame) {
    for (int requested : {static_cast<int>(Invalid), 11, 200, -1}) {
        systems.BeginPass();
        ASSERT_TRUE(Enter(static_cast<GameState>(requested))) << requested;
        EXPECT_EQ(Invalid, GameStateManager::currentState) << requested;
        EXPECT_EQ(Quit, GameStateManager::nextState) << requested;
        EXPECT_TRUE(Map(1).empty()) << requested;
        EXPECT_FALSE(systems.RunFrame()) << requested;
        EXPECT_FALSE(systems.EndPass()) << requested;
        EXPECT_TRUE(systems.Systems().empty()) << requested;
        // A fresh game for the next case.
        ResetEngine();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
    }
}

TEST_F(GameStates, AGraphAsksToQuitByMessageAndTheGameEnds) {
    systems.BeginPass();
    ASSERT_TRUE(Enter(Level_1));
    GameStateManager::requestedState = Quit;
    CloneMessage<ChangeLevelMessage>()->Send();
    EXPECT_EQ(Level_1, GameStateManager::nextState) << "nothing changes before the message is delivered";
    EXPECT_FALSE(systems.RunFrame()) << "the frame that delivers it is the last";
    EXPECT_FALSE(systems.EndPass());
    EXPECT_EQ(Quit, GameStateManager::currentState);
    EXPECT_TRUE(systems.Systems().empty());
    EXPECT_TRUE(Map(1).empty());
}

TEST_F(GameStates, AQuitEndsTheGameWhateverLevelChangeTheSameFrameAsksFor) {
    using graphtext::Graph;
    using graphtext::In;
    WriteFile("Resources/AI/Ask_AI.json", Graph({{0, "ChangeLevelNode", {}, {In("GameState", 0)}}},
                                                R"({"GameState": {"0": {"name": "Next", "val": "MainMenu"}}})"));
    WriteFile("Resources/AI/flow_list.json", R"({"Flow_AI": "Resources/AI/Flow_AI.json",)"
                                             R"( "Ask_AI": "Resources/AI/Ask_AI.json"})");
    // A graph that asks for `state` in every frame, as the loading screen and the menu's Quit do.
    auto asker = [](const std::string& name, const std::string& state) {
        return "{\"n\": \"" + name + R"(", "t": "Default", "on": true, "AI_Component": {"AI_Type": "Ask_AI",)" +
               R"( "InputNodeStruct": {"GameState": {"0": {"name": "Next", "val": ")" + state + "\"}}}}}";
    };
    const struct {
        const char* situation;
        bool windowCloses;  // the close, SIGINT and SIGTERM all reach the game so
        std::vector<const char*> asked;  // by graphs, in the order they run
    } cases[] = {
        {"the window closes as the loading screen's level change arrives", true, {"Level_2"}},
        {"the menu's Quit, then another graph's level change", false, {"Quit", "Level_2"}},
        {"a level change, then the menu's Quit", false, {"Level_2", "Quit"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        std::vector<std::string> objects = {LevelObject()};
        for (const char* state : c.asked) objects.push_back(asker("Asker" + std::to_string(objects.size()), state));
        WriteLevel(Level_1, objects);
        systems.BeginPass();
        ASSERT_TRUE(Enter(Level_1));
        ASSERT_TRUE(systems.RunFrame()) << "the graphs ask; their requests arrive in the next frame";
        if (c.windowCloses) {
            static_cast<platform::ScriptedBackend&>(platform::Current()).PushEvent({platform::EventKind::Quit});
        }
        EXPECT_FALSE(systems.RunFrame());
        EXPECT_EQ(Quit, GameStateManager::nextState);
        EXPECT_FALSE(systems.EndPass()) << "the game ends";
        EXPECT_EQ(Quit, GameStateManager::currentState);
        // A fresh game for the next case.
        ResetEngine();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
    }
}

TEST_F(GameStates, FlowMessagesReadTheLastRequestWhenTheyAreDelivered) {
    systems.BeginPass();
    auto* level = CloneMessage<ChangeLevelMessage>();
    auto* scene = CloneMessage<ChangeSceneMessage>();
    GameStateManager::requestedState = WinRed;
    level->Send();
    GameStateManager::requestedState = Level_2;
    level->Send();
    GameStateManager::requestedScene = 0;
    scene->Send();
    GameStateManager::requestedScene = 2;
    scene->Send();
    MessageCenter::GetInstance().Dispatch();
    EXPECT_EQ(Level_2, GameStateManager::nextState);
    EXPECT_EQ(2, GameStateManager::Instance().currentScene);
    EXPECT_EQ(2, GameStateManager::Instance().previousScene) << "the second delivery saw the first's scene";

    // Asking for the state the game is in changes nothing.
    GameStateManager::requestedState = MainMenu;
    GameStateManager::nextState = MainMenu;
    level->Send();
    EXPECT_TRUE(systems.RunFrame());
    EXPECT_EQ(MainMenu, GameStateManager::currentState);

    ASSERT_TRUE(Enter(Level_1));
    EXPECT_EQ(1, GameStateManager::Instance().currentScene) << "a level starts in its middle scene";
    EXPECT_EQ(2, GameStateManager::Instance().previousScene);
}

TEST_F(GameStates, EveryStateChangeResetsTwiceAndTheLevelDataSurvivesBoth) {
    systems.BeginPass();
    ASSERT_TRUE(Enter(Level_1));
    *ObjectVariable<int>(Named("LevelObj"), "Score") = 7;
    GameStateManager::SetPause(true);
    GameStateManager::nextState = Level_2;
    EXPECT_FALSE(systems.RunFrame());
    ASSERT_TRUE(systems.EndPass());
    EXPECT_TRUE(Map(1).empty()) << "the first reset, at the end of the pass";
    EXPECT_FALSE(GameStateManager::isPaused);
    // Anything that happens between the passes is undone by the second reset.
    GameStateManager::isPaused = true;
    systems.Get<Physics>(PHYSICS)->paused = true;
    systems.BeginPass();
    EXPECT_FALSE(GameStateManager::isPaused);
    EXPECT_FALSE(systems.Get<Physics>(PHYSICS)->paused);
    EXPECT_NE(nullptr, Named("Bridge"));
    EXPECT_EQ(7, *ObjectVariable<int>(Named("LevelObj"), "Score")) << "the level data crossed both resets";
}

TEST_F(GameStates, ALevelStartIsAnnouncedExceptInDebug) {
    WriteFile("Resources/levelData/level:.json", LevelText({LevelObject(), Thing("Workbench")}));
    StatusLog log;
    MessageCenter::GetInstance().AddListener(LEVEL_STATUS, &log);
    systems.BeginPass();
    ASSERT_TRUE(Enter(Level_1));
    EXPECT_TRUE(systems.RunFrame());
    EXPECT_EQ(1, log.fromManager);
    EXPECT_EQ(0, GameStateManager::Instance().levelStatus->status);

    log.fromManager = 0;
    ASSERT_TRUE(Enter(DEBUG));
    EXPECT_NE(nullptr, Named("Workbench")) << "DEBUG's file is named with the character after '9'";
    EXPECT_TRUE(systems.RunFrame());
    EXPECT_EQ(0, log.fromManager);
    MessageCenter::GetInstance().RemoveListener(&log);
}

TEST_F(GameStates, AStateWithoutALevelFileRunsEmptyWithAnEmptyFileCreated) {
    std::filesystem::remove(LevelFileName(WinBlue));
    systems.BeginPass();
    ASSERT_TRUE(Enter(WinBlue));
    EXPECT_EQ(WinBlue, GameStateManager::currentState);
    for (const ObjectMap& map : GameStateManager::Instance().objectMaps) EXPECT_TRUE(map.empty());
    EXPECT_TRUE(systems.RunFrame());
    EXPECT_TRUE(std::filesystem::exists(LevelFileName(WinBlue)));
}

TEST_F(GameStates, TheNextLevelsGraphsNeverSeeThePreviousLevelsCollisions) {
    systems.BeginPass();
    ASSERT_TRUE(Enter(Level_1));
    CollisionMessage::Pairs()[Named("Court")] = Named("LevelObj");
    ASSERT_TRUE(Enter(Level_2));
    EXPECT_TRUE(CollisionMessage::Pairs().empty());
}

}  // namespace
