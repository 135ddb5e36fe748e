#pragma once

#include <algorithm>
#include <functional>

#include <string>
#include <vector>

#include "core/frame_rate_controller.h"
#include "core/message_center.h"
#include "flow/action_manager.h"
#include "graph_fixture.h"
#include "graphics/sprite.h"
#include "input/controller.h"
#include "nodes/ball_components.h"
#include "physics/body.h"
#include "physics/box_shape.h"
#include "physics/circle_shape.h"
#include "physics/collision_message.h"
#include "physics/physics.h"

// Graphs run by objects with real bodies, in an engine with the action manager and physics,
// and an object-type table that knows every kind of thing a character can touch.
class PhysicsNodesTest : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        WriteFile("Resources/ObjData/GameObjectType.json",
                  R"({"Default": 0, "Platform": 1, "Attack": 2, "Player": 3, "Respawn": 4, "Ball": 5,
                      "Environment": 6, "Door": 7, "Boundary": 8})");
        GameObject::LoadTypes();
        actions = new ActionManager();
        physics = new Physics();
        SystemManager::GetInstance().AddSystem(actions);
        SystemManager::GetInstance().AddSystem(physics);
        FrameRateController::GetInstance().lastElapsed = 160'000;
    }

    // A box (or circle) body, movable with mass 1 unless said otherwise.
    static Body* GiveBody(GameObject* object, float x, float y, float width = 32, float height = 32,
                          int shape = BOX_SHAPE, float mass = 1) {
        auto* body = new Body();
        object->AddComponent(body);
        body->width = width;
        body->height = height;
        body->MakeShape(shape);
        body->shape->Init(width, height, x, y);
        body->SetMass(mass);
        body->SetMove(mass > 0);
        return body;
    }
    static Sprite* GiveSprite(GameObject* object, float scaleX = 1) {
        auto* sprite = new Sprite();
        sprite->scaleX = scaleX;
        object->AddComponent(sprite);
        return sprite;
    }
    static Controller* GiveController(GameObject* object) {
        auto* controller = new Controller();
        object->AddComponent(controller);
        return controller;
    }
    static Body* BodyOf(GameObject* object) { return object->Get<Body>(BODY); }

    // What physics reports after a step in which the two touched. Physics finds a frame's
    // touches in the order of its body list (moving bodies first, the latest to start moving
    // at the front, then the still ones in the order they joined) and keeps an object's first
    // touch as its partner, its touches listed in the order found. Here the latest Touch stands
    // for the touch physics found first: it becomes each object's partner and heads its touches.
    void Touch(GameObject* a, GameObject* b) {
        CollisionMessage::Pairs()[a] = b;
        CollisionMessage::Pairs()[b] = a;
        ai->collisions = &CollisionMessage::Pairs();
        auto& touches = CollisionMessage::Touches();
        touches.insert(touches.begin(), {{a, b}, {b, a}});
        std::stable_sort(touches.begin(), touches.end(),
                         [](const auto& p, const auto& q) { return std::less<GameObject*>()(p.first, q.first); });
    }

    // The end of the graph update and the start of the next frame: queued moves are posted
    // (`posted` counts the messages), delivered and applied as acceleration.
    void ApplyQueuedMoves() {
        const size_t before = MessageCenter::GetInstance().PostedCount();
        ai->registry.EndFrame();
        posted = MessageCenter::GetInstance().PostedCount() - before;
        MessageCenter::GetInstance().Dispatch();
        actions->Update(0);
    }

    // One whole engine frame.
    static void Frame() { SystemManager::GetInstance().Update(1.0 / 60.0); }

    // A graph variable template whose bools 20 to 29 ("took0" ...) mark the outputs taken.
    static std::string Vars(const std::string& bools, const std::string& rest = "") {
        std::string text = "{\"bool\": {";
        for (int k = 0; k < 10; ++k) {
            text += "\"" + std::to_string(20 + k) + "\": {\"name\": \"took" + std::to_string(k) + "\", \"val\": false}, ";
        }
        text += bools.empty() ? "\"19\": {\"name\": \"spare\", \"val\": false}" : bools;
        return text + "}" + (rest.empty() ? "" : ", " + rest) + "}";
    }
    // `node` at index 0 with each of its outputs leading to a node that marks it.
    static std::vector<graphtext::NodeText> Branching(graphtext::NodeText node, int outputs) {
        std::vector<graphtext::NodeText> nodes{node};
        nodes[0].outs.clear();
        for (int k = 0; k < outputs; ++k) {
            nodes[0].outs.push_back(k + 1);
            nodes.push_back({k + 1, "SetBoolToNode", {}, {graphtext::In("bool", 20 + k)}});
        }
        return nodes;
    }
    // The outputs marked since the last call, ascending; the marks are cleared.
    static std::vector<int> Taken(GameObject* object) {
        std::vector<int> taken;
        for (int k = 0; k < 10; ++k) {
            bool& mark = Var<bool>(object, "took" + std::to_string(k));
            if (mark) taken.push_back(k);
            mark = false;
        }
        return taken;
    }

    ActionManager* actions = nullptr;
    Physics* physics = nullptr;
    size_t posted = 0;
};
