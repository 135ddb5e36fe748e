#include <gtest/gtest.h>

#include "core/game_object.h"
#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "core/system_manager.h"
#include "flow/action_manager.h"
#include "physics/body.h"
#include "support/engine_test.h"

namespace {

class ActionTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        manager = new ActionManager();
        SystemManager::GetInstance().AddSystem(manager);
    }

    GameObject* MakeObject(float mass) {
        auto* object = new GameObject();
        auto* body = new Body();
        body->SetMass(mass);
        object->AddComponent(body);
        objects.emplace_back(object);
        return object;
    }

    // One engine frame as the main loop runs it: deliveries first, then the systems.
    void Frame() { SystemManager::GetInstance().Update(0.016); }

    ActionManager* manager = nullptr;
    std::vector<std::unique_ptr<GameObject>> objects;
};

TEST_F(ActionTest, QueuedForcesMoveBodiesInTheNextFrameByTheirInverseMass) {
    GameObject* light = MakeObject(2);
    GameObject* heavy = MakeObject(0);  // immovable
    GameObject* bodiless = objects.emplace_back(new GameObject()).get();
    auto* message = CloneMessage<MoveObjectsMessage>();
    ASSERT_NE(nullptr, message->Moves());
    message->Moves()->moves = {{light, 10, -4}, {nullptr, 1, 1}, {bodiless, 1, 1}, {heavy, 5, 5}, {light, 2, 0}};
    message->Post();
    EXPECT_EQ(0, light->Get<Body>(BODY)->accX) << "nothing moves before the message is delivered";
    Frame();
    EXPECT_FLOAT_EQ(6, light->Get<Body>(BODY)->accX) << "both entries for one body add up";
    EXPECT_FLOAT_EQ(-2, light->Get<Body>(BODY)->accY);
    EXPECT_EQ(0, heavy->Get<Body>(BODY)->accX);
    EXPECT_TRUE(message->Moves()->moves.empty());
}

TEST_F(ActionTest, AMessagePostedTwiceRunsTwiceButTheSecondRunFindsNothing) {
    GameObject* ball = MakeObject(1);
    auto* message = CloneMessage<MoveObjectsMessage>();
    message->Moves()->moves = {{ball, 3, 0}};
    message->Post();
    message->Post();
    Frame();
    EXPECT_FLOAT_EQ(3, ball->Get<Body>(BODY)->accX);
}

TEST_F(ActionTest, ADisabledActionIsDropped) {
    GameObject* ball = MakeObject(1);
    auto* message = CloneMessage<MoveObjectsMessage>();
    message->Moves()->moves = {{ball, 3, 0}};
    message->action->enabled = false;
    message->Post();
    Frame();
    EXPECT_EQ(0, ball->Get<Body>(BODY)->accX);
    EXPECT_EQ(0u, manager->QueuedCount());
}

TEST_F(ActionTest, EachMessageOwnsItsActionAndGivesItBack) {
    const size_t before = manager->ActionCount();
    auto* move = CloneMessage<MoveObjectsMessage>();   // the prototype takes one too
    auto* respawn = CloneMessage<RespawnObjMessage>();
    EXPECT_NE(move->action, respawn->action);
    EXPECT_EQ(before + 4, manager->ActionCount());
    move->Post();
    MessageCenter::GetInstance().Release(move);
    EXPECT_EQ(before + 3, manager->ActionCount());
    EXPECT_EQ(0u, MessageCenter::GetInstance().PostedCount());
    respawn->Post();
    Frame();  // a respawn message runs its action like any other
    MessageCenter::GetInstance().Release(respawn);
    EXPECT_EQ(before + 2, manager->ActionCount());
}

TEST_F(ActionTest, WithoutAnActionManagerMessagesHaveNoAction) {
    SystemManager::GetInstance().Reset();
    auto* message = CloneMessage<MoveObjectsMessage>();
    EXPECT_EQ(nullptr, message->action);
    message->Post();
    MessageCenter::GetInstance().Dispatch();
}

TEST_F(ActionTest, RespawnPutsTheBodyAtRestAtThePoint) {
    GameObject* runner = MakeObject(1);
    Body* body = runner->Get<Body>(BODY);
    body->velX = 7;
    body->velY = -3;
    RespawnObject({runner, 120, 45});
    EXPECT_EQ(0, body->velX);
    EXPECT_EQ(0, body->velY);
    EXPECT_FLOAT_EQ(120, body->Position().x);
    EXPECT_FLOAT_EQ(45, body->Position().y);
    RespawnObject({nullptr, 1, 1});
    RespawnObject({objects.emplace_back(new GameObject()).get(), 1, 1});
}

}  // namespace
