// Position, velocity and boundary nodes, run from small graph files by objects with bodies.
#include <gtest/gtest.h>

#include "nodes_physics_fixture.h"

namespace {

using namespace graphtext;

const std::string kRest = R"(
    "Vec2": {"0": {"name": "Spot", "x": 100, "y": 200}, "1": {"name": "Offset", "x": 5, "y": 6}},
    "double": {"0": {"name": "dx", "val": 3}, "1": {"name": "dy", "val": -4},
               "2": {"name": "fx", "val": 50}, "3": {"name": "fy", "val": 20}},
    "GameObject*": {"0": {"name": "Other"}, "1": {"name": "Nobody"}},
    "int": {"0": {"name": "Team", "val": 0}, "1": {"name": "Scene", "val": 1}})";
const std::string kBools = R"("0": {"name": "yes", "val": true}, "1": {"name": "no", "val": false})";

class PositionNodes : public PhysicsNodesTest {
protected:
    // The running object (with or without a body at (10, 20)) and another at (-50, -60).
    GameObject* Place(const std::vector<NodeText>& nodes, bool withBody = true) {
        LoadGraph("g", Graph(nodes, Vars(kBools, kRest)));
        self = Spawn("Self", "g");
        other = Spawn("Other", "g", "{}", "Ball", 2);
        if (withBody) GiveBody(self, 10, 20);
        GiveBody(other, -50, -60);
        Var<GameObject*>(self, "Other") = other;
        Var<GameObject*>(self, "Nobody") = nullptr;
        return self;
    }
    GameObject* self = nullptr;
    GameObject* other = nullptr;
};

TEST_F(PositionNodes, PlaceShiftReadAndCarryBodies) {
    const std::string Obj = In("GameObject*", 0), None = In("GameObject*", 1), Spot = In("Vec2", 0),
                      Offset = In("Vec2", 1), Dx = In("double", 0), Dy = In("double", 1);
    struct Case {
        const char* situation;
        NodeText node;
        bool selfHasBody;
        int result;
        Vec2 self, other, spot;
    } cases[] = {
        {"another object placed", {0, "SetObjectPosNode", {}, {Obj, Spot}}, true, -1, {10, 20}, {100, 200}, {100, 200}},
        {"no object to place", {0, "SetObjectPosNode", {}, {None, Spot}}, true, -1, {10, 20}, {-50, -60}, {100, 200}},
        {"no place to put it", {0, "SetObjectPosNode", {}, {Obj, ""}}, true, -1, {10, 20}, {-50, -60}, {100, 200}},
        {"placed by a bodiless object", {0, "SetObjectPosNode", {}, {Obj, Spot}}, false, -1, {}, {100, 200}, {100, 200}},
        {"shifted", {0, "AddObjectPosNode", {}, {Dx, Dy}}, true, -1, {13, 16}, {-50, -60}, {100, 200}},
        {"shifted by nothing", {0, "AddObjectPosNode", {}, {"", ""}}, true, -1, {10, 20}, {-50, -60}, {100, 200}},
        {"shifted upwards only", {0, "AddObjectPosNode", {}, {"", Dy}}, true, -1, {10, 16}, {-50, -60}, {100, 200}},
        {"bodiless shift", {0, "AddObjectPosNode", {}, {Dx, Dy}}, false, -1, {}, {-50, -60}, {100, 200}},
        {"read", {0, "GetPositionNode", {}, {Spot}}, true, -1, {10, 20}, {-50, -60}, {10, 20}},
        {"read into nothing", {0, "GetPositionNode", {}, {""}}, true, 0, {10, 20}, {-50, -60}, {100, 200}},
        {"read without a body", {0, "GetPositionNode", {}, {Spot}}, false, 0, {}, {-50, -60}, {100, 200}},
        {"set", {0, "SetPositionNode", {}, {Spot}}, true, -1, {100, 200}, {-50, -60}, {100, 200}},
        {"set from nothing", {0, "SetPositionNode", {}, {""}}, true, 0, {10, 20}, {-50, -60}, {100, 200}},
        {"set without a body", {0, "SetPositionNode", {}, {Spot}}, false, -1, {}, {-50, -60}, {100, 200}},
        {"child at an offset", {0, "SetChildPosNode", {}, {Offset, Obj}}, true, -1, {10, 20}, {15, 26}, {100, 200}},
        {"child on top", {0, "SetChildPosNode", {}, {"", Obj}}, true, -1, {10, 20}, {10, 20}, {100, 200}},
        {"no child", {0, "SetChildPosNode", {}, {Offset, None}}, true, -1, {10, 20}, {-50, -60}, {100, 200}},
        {"child of a bodiless object", {0, "SetChildPosNode", {}, {Offset, Obj}}, false, -1, {}, {-50, -60}, {100, 200}},
    };
    for (const Case& c : cases) {
        Place({c.node}, c.selfHasBody);
        EXPECT_EQ(c.result, Run(self)) << c.situation;
        if (c.selfHasBody) {
            EXPECT_EQ(c.self, BodyOf(self)->Position()) << c.situation;
        }
        EXPECT_EQ(c.other, BodyOf(other)->Position()) << c.situation;
        EXPECT_EQ(c.spot, Var<Vec2>(self, "Spot")) << c.situation;
    }
}

TEST_F(PositionNodes, VelocityAndContactFlags) {
    struct Case {
        const char* situation;
        NodeText node;
        bool startContact;
        Vec2 velocity;
        bool contact, gravity;
    } cases[] = {
        {"velocity set", {0, "SetVelocityNode", {}, {In("Vec2", 0)}}, true, {100, 200}, true, false},
        {"velocity unbound", {0, "SetVelocityNode", {}, {""}}, true, {1, 2}, true, false},
        {"contacts off stops falling", {0, "SetContactableNode", {}, {In("bool", 1)}}, true, {1, 2}, false, false},
        {"contacts on starts falling", {0, "SetContactableNode", {}, {In("bool", 0)}}, false, {1, 2}, true, true},
        {"contacts unbound", {0, "SetContactableNode", {}, {""}}, false, {1, 2}, false, false},
    };
    for (const Case& c : cases) {
        Place({c.node});
        Body* body = BodyOf(self);
        body->velX = 1;
        body->velY = 2;
        body->isContact = c.startContact;
        body->isGravity = false;
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_EQ(c.velocity, body->Velocity()) << c.situation;
        EXPECT_EQ(c.contact, body->isContact) << c.situation;
        EXPECT_EQ(c.gravity, body->isGravity) << c.situation;
    }
    // Without a body nothing is written and the chain goes on.
    Place({{0, "SetVelocityNode", {1}, {In("Vec2", 0)}}, {1, "SetContactableNode", {}, {In("bool", 1)}}}, false);
    EXPECT_EQ(-1, Run(self));
}

TEST_F(PositionNodes, ContactAndSceneQueriesBranch) {
    struct Case {
        const char* situation;
        const char* node;
        bool withBody;
        bool contact;
        float x;
        int scene;
        int taken;
    } cases[] = {
        {"in contact", "IsBodyContactNode", true, true, 0, 1, 0},
        {"not in contact", "IsBodyContactNode", true, false, 0, 1, 1},
        {"no body, no contact", "IsBodyContactNode", false, true, 0, 1, 1},
        {"right edge of the middle scene", "IsOutOfSceneNode", true, true, 1000, 1, 1},
        {"just past it", "IsOutOfSceneNode", true, true, 1000.5f, 1, 0},
        {"left edge of the middle scene", "IsOutOfSceneNode", true, true, -280, 1, 1},
        {"just before it", "IsOutOfSceneNode", true, true, -280.5f, 1, 0},
        {"centre of the left scene", "IsOutOfSceneNode", true, true, -920, 0, 1},
        {"middle scene seen from the left", "IsOutOfSceneNode", true, true, 360, 0, 0},
        {"right scene", "IsOutOfSceneNode", true, true, 2280, 2, 1},
        {"an unknown scene is the left one", "IsOutOfSceneNode", true, true, -1560, 7, 1},
        {"no body is out of sight", "IsOutOfSceneNode", false, true, 0, 1, 0},
    };
    for (const Case& c : cases) {
        Place(Branching({0, c.node, {}, {}}, 2), c.withBody);
        if (c.withBody) {
            BodyOf(self)->isContact = c.contact;
            BodyOf(self)->shape->SetPosition(c.x, 0);
        }
        GameStateManager::Instance().currentScene = c.scene;
        Run(self);
        EXPECT_EQ(std::vector<int>{c.taken}, Taken(self)) << c.situation;
    }
}

TEST_F(PositionNodes, ABoundaryLetsRedRightwardsAndBlueLeftwards) {
    struct Case {
        const char* situation;
        int team, scene, boundaryScene;
        bool handedOver;
        int taken;
    } cases[] = {
        {"red towards a higher scene", 0, 1, 2, true, 0},
        {"red towards a lower scene", 0, 1, 0, true, 1},
        {"blue towards a lower scene", 1, 1, 0, true, 0},
        {"blue towards a higher scene", 1, 1, 2, true, 1},
        {"red inside its own scene", 0, 1, 1, true, 1},
        {"blue inside its own scene", 1, 1, 1, true, 1},
        {"no boundary handed over", 0, 1, 2, false, 1},
    };
    // The boundary is handed over the way a collision hands it: through IsCollidedNode's
    // "Boundary" output. Entered at node 3, the check has nothing handed over.
    const std::vector<NodeText> nodes = {
        {0, "IsCollidedNode", {-1, -1, -1, -1, -1, -1, -1, -1, -1, 3}, {}},
        {3, "CheckBoundaryNode", {4, 5}, {In("GameObject*", 1)}},
        {4, "SetBoolToNode", {}, {In("bool", 20)}},
        {5, "SetBoolToNode", {}, {In("bool", 21)}},
    };
    for (const Case& c : cases) {
        LoadGraph("g", Graph(nodes, Vars(kBools, kRest), "{}", c.handedOver ? 0 : 3));
        self = Spawn("Self", "g");
        GiveBody(self, 10, 20);
        Var<GameObject*>(self, "Nobody") = nullptr;
        GameObject* boundary = Spawn("Wall", "g", R"({"int": {"1": {"name": "Scene", "val": 0}}})", "Boundary");
        GiveBody(boundary, 0, 0, 10, 10, BOX_SHAPE, 0);
        Var<int>(self, "Team") = c.team;
        Var<int>(self, "Scene") = c.scene;
        Var<int>(boundary, "Scene") = c.boundaryScene;
        Touch(self, boundary);
        Run(self);
        EXPECT_EQ(std::vector<int>{c.taken}, Taken(self)) << c.situation;
        EXPECT_EQ(c.taken == 0 ? boundary : nullptr, Var<GameObject*>(self, "Nobody")) << c.situation;
        CollisionMessage::Pairs().clear();
    }
}

TEST_F(PositionNodes, ReflectBouncesTheObjectHandedOverAwayFromTheCentre) {
    struct Case {
        const char* situation;
        Vec2 other;
        bool withOffset;
        Vec2 velocity;
    } cases[] = {
        {"up and to the right", {30, 40}, false, {50, 20}},
        {"down and to the left", {0, 0}, false, {-50, -20}},
        {"straight above pushes right", {10, 25}, false, {50, 20}},
        {"level with the centre pushes up", {0, 20}, false, {-50, 20}},
        {"the offset moves the centre", {12, 22}, true, {-50, -20}},
    };
    // Handed over by IsCollidedObjNode, as a character bounces what it touched.
    const std::string globals = R"({"GameObject*": {"0": {"name": "Kind", "search": {"0": "Ball"}}}})";
    for (const Case& c : cases) {
        LoadGraph("g", Graph({{0, "IsCollidedObjNode", {1, -1}, {"", In("GameObject*", 0, true)}},
                              {1, "ReflectObjNode", {}, {In("double", 2), In("double", 3), c.withOffset ? In("Vec2", 1) : ""}}},
                             Vars(kBools, kRest), globals));
        self = Spawn("Self", "g");
        other = Spawn("Other", "g", "{}", "Ball", 2);
        GiveBody(self, 10, 20);
        GiveBody(other, c.other.x, c.other.y);
        Touch(self, other);
        EXPECT_EQ(-1, Run(self)) << c.situation;
        EXPECT_EQ(c.velocity, BodyOf(other)->Velocity()) << c.situation;
        CollisionMessage::Pairs().clear();
    }
}

TEST_F(PositionNodes, ReflectWithNothingHandedOverChangesNothingAndGoesOn) {
    Place({{0, "ReflectObjNode", {1}, {In("double", 2), In("double", 3), ""}}, {1, "SetBoolToNode", {}, {In("bool", 20)}}});
    BodyOf(other)->velX = 7;
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ(std::vector<int>{0}, Taken(self));
    EXPECT_EQ(Vec2(7, 0), BodyOf(other)->Velocity());
}

}  // namespace
