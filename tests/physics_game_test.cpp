#include <gtest/gtest.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "physics/collision_message.h"
#include "physics/physics.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"

namespace {

// The whole game on the scripted backend: a main-menu level whose crate falls onto a ledge.
class PhysicsGameTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        WriteFile("Resources/levelData/level0.json", R"({
            "LevelSettings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": -900,
                              "AI file": "Resources/AI/MainMenu.json"},
            "Ledge": {"Name": "Ledge", "Type": "Platform", "Active": true,
                      "Body": {"x": 0, "y": 0, "width": 400, "height": 20, "mass": 0, "bounciness": 0,
                               "velx": 0, "vely": 0, "accx": 0, "accy": 0, "shapeid": 1, "friction": 0.95,
                               "isMove": false, "isContact": true, "isGravity": false}},
            "Crate": {"Name": "Crate", "Type": "Default", "Active": true,
                      "Body": {"x": 30, "y": 150, "width": 32, "height": 32, "mass": 1, "bounciness": 0,
                               "velx": 0, "vely": 0, "accx": 0, "accy": 0, "shapeid": 1, "friction": 0.95,
                               "isMove": true, "isContact": true, "isGravity": true},
                      "Sprite": {"isActive": true, "width": 32, "height": 32, "alpha": 1}}})");
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        ASSERT_TRUE(StartUp());
        systems.BeginRun();
        systems.BeginPass();
    }

    SystemManager& systems = SystemManager::GetInstance();
};

TEST_F(PhysicsGameTest, ACrateFromTheLevelFileFallsOntoTheLedgeAndItsSpriteFollows) {
    GameObject* crate = GameStateManager::FindObjectByName("Crate");
    GameObject* ledge = GameStateManager::FindObjectByName("Ledge");
    ASSERT_NE(nullptr, crate);
    ASSERT_NE(nullptr, ledge);
    ASSERT_NE(nullptr, systems.Get<Physics>(PHYSICS));
    Body* body = crate->Get<Body>(BODY);
    ASSERT_NE(nullptr, body);
    EXPECT_EQ(-900, body->gravityY);
    for (int frame = 0; frame < 90 && systems.RunFrame(); ++frame) {
    }
    EXPECT_NEAR(10 + 16, body->Position().y, 1.0) << "standing on the ledge";
    EXPECT_EQ(ledge, CollisionMessage::Pairs()[crate]);
    auto* sprite = crate->Get<Sprite>(SPRITE);
    ASSERT_NE(nullptr, sprite);
    EXPECT_EQ(body->Position().y, sprite->y);

    GameStateManager::SetPause(true);
    body->velX = 600;
    for (int frame = 0; frame < 5 && systems.RunFrame(); ++frame) {
    }
    EXPECT_NEAR(30, body->Position().x, 1e-3) << "a paused game holds its bodies";
}

}  // namespace
