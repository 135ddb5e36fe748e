#pragma once

#include <memory>
#include <string>

#include "core/frame_rate_controller.h"
#include "core/game_object.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "physics/body.h"
#include "physics/box_shape.h"
#include "physics/circle_shape.h"
#include "physics/physics.h"
#include "support/engine_test.h"

// What a level designer would write for one body.
struct BodyPlan {
    int shape = BOX_SHAPE;
    float x = 0;
    float y = 0;
    float width = 10;
    float height = 10;
    bool moving = false;
    float mass = 1;
};

// A registered physics system and a level map to put objects in, in a copy of Resources/; all
// cleaned up by the engine reset. The box sweep sees frames of 16 ms, as in a running game.
class PhysicsWorldTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        physics = new Physics();
        SystemManager::GetInstance().AddSystem(physics);
        FrameRateController::GetInstance().lastElapsed = 160'000;
    }

    GameObject* AddObject(const std::string& name, const BodyPlan& plan) {
        auto* object = new GameObject();
        object->id = nextId_++;
        object->name = name;
        GameStateManager::Instance().objectMaps[1][object->id] = object;
        auto* body = new Body();
        object->AddComponent(body);
        body->width = plan.width;
        body->height = plan.height;
        body->MakeShape(plan.shape);
        body->shape->Init(plan.width, plan.height, plan.x, plan.y);
        body->SetMass(plan.mass);
        body->SetMove(plan.moving);
        return object;
    }
    static Body* BodyOf(GameObject* object) { return object->Get<Body>(BODY); }

    Physics* physics = nullptr;

private:
    uint32_t nextId_ = 1;
};
