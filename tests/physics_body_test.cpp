#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/composite_factory.h"
#include "physics/pillar_shape.h"
#include "physics_test_world.h"

namespace {

const char* const kSettings =
    R"("Settings": {"cameraX": 0, "cameraY": 0, "cameraZ": 1, "gravity": -500, "AI file": "ai.json"})";

// Bodies as the level files hold them, built by the real factory in a copy of Resources/.
class BodyFileTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        physics = new Physics();
        SystemManager::GetInstance().AddSystem(physics);
        factory = new CompositeFactory();
        SystemManager::GetInstance().AddSystem(factory);
        factory->Init();
    }

    // Builds a level of one object per body description and returns its bodies in file order.
    std::vector<Body*> Load(const std::vector<std::string>& bodies) {
        std::string level = std::string("{") + kSettings;
        for (size_t i = 0; i < bodies.size(); ++i) {
            level += ",\"o" + std::to_string(i) + "\": {\"n\": \"thing" + std::to_string(i) +
                     "\", \"t\": \"Default\", \"on\": true, \"Body\": " + bodies[i] + "}";
        }
        WriteFile("Resources/levelData/test.json", level + "}");
        auto& objects = GameStateManager::Instance().objectMaps[1];
        factory->BuildFromFile(objects, "Resources/levelData/test.json");
        std::vector<Body*> result;
        for (auto& [id, object] : objects) result.push_back(object->Get<Body>(BODY));
        return result;
    }

    Physics* physics = nullptr;
    CompositeFactory* factory = nullptr;
};

const char* const kFullBody =
    R"({"x": 100, "y": -20.5, "width": 40, "height": 10, "mass": 2, "bounciness": 0.5, "velx": 3, "vely": 4,
        "accx": 5, "accy": 6, "shapeid": 0, "friction": 0.9, "isMove": true, "isContact": false, "isGravity": true})";

TEST_F(BodyFileTest, ABodyReadsEveryKeyOfItsDescription) {
    const std::vector<Body*> bodies = Load({kFullBody});
    ASSERT_EQ(1u, bodies.size());
    const Body& body = *bodies[0];
    ASSERT_EQ(CIRCLE_SHAPE, body.shape->type);
    EXPECT_EQ(20, static_cast<const BC&>(*body.shape).radius) << "a circle's radius is half its width";
    EXPECT_EQ(Vec2(100, -20.5f), body.Position());
    EXPECT_EQ(40, body.width);
    EXPECT_EQ(10, body.height);
    EXPECT_EQ(2, body.mass);
    EXPECT_EQ(0.5f, body.invMass);
    EXPECT_EQ(0.5f, body.bounciness);
    EXPECT_EQ(Vec2(3, 4), body.Velocity());
    EXPECT_EQ(5, body.accX);
    EXPECT_EQ(6, body.accY);
    EXPECT_EQ(0.9f, body.friction);
    EXPECT_TRUE(body.isMove);
    EXPECT_FALSE(body.isContact);
    EXPECT_TRUE(body.isGravity);
    EXPECT_EQ(0, body.gravityX);
    EXPECT_EQ(-500, body.gravityY) << "the level's gravity, read before its objects";
}

TEST_F(BodyFileTest, OddValuesInBodyDescriptions) {
    const std::vector<Body*> bodies = Load({
        R"({"mass": 0, "isMove": true})",
        R"({"mass": -3})",
        R"({"isMove": 1, "isContact": 1, "isGravity": "true"})",
        R"({"shapeid": 7, "x": 5, "y": 6, "width": 20, "height": 30})",
        R"({})",
        R"({"width": "wide", "mass": [1], "shapeid": "circle"})",
        R"("not an object")",
    });
    ASSERT_EQ(7u, bodies.size());
    EXPECT_EQ(0, bodies[0]->invMass) << "mass 0 is immovable";
    EXPECT_EQ(0, bodies[1]->mass) << "a negative mass counts as 0";
    EXPECT_EQ(0, bodies[1]->invMass);
    EXPECT_FALSE(bodies[2]->isMove) << "only JSON true switches a flag on";
    EXPECT_FALSE(bodies[2]->isContact);
    EXPECT_FALSE(bodies[2]->isGravity);
    ASSERT_EQ(BOX_SHAPE, bodies[3]->shape->type) << "an unknown shape id keeps the box";
    const auto& box = static_cast<const AABB&>(*bodies[3]->shape);
    EXPECT_EQ(-5, box.minX);
    EXPECT_EQ(21, box.maxY);
    for (size_t i : {4u, 5u, 6u}) {
        EXPECT_EQ(32, bodies[i]->width) << i << ": missing or broken keys keep the defaults";
        EXPECT_EQ(0, bodies[i]->mass) << i;
        EXPECT_EQ(0.95f, bodies[i]->friction) << i;
        EXPECT_EQ(BOX_SHAPE, bodies[i]->shape->type) << i;
        EXPECT_TRUE(bodies[i]->isContact) << i;
    }
}

TEST_F(BodyFileTest, MovingBodiesFromTheFileStandFirstInTheList) {
    const std::vector<Body*> bodies = Load({R"({"isMove": false})", R"({"isMove": true})", R"({"isMove": false})",
                                           R"({"isMove": true})"});
    const std::vector<Body*> expected = {bodies[3], bodies[1], bodies[0], bodies[2]};
    EXPECT_EQ(expected, std::vector<Body*>(physics->bodies.begin(), physics->bodies.end()));
}

TEST_F(BodyFileTest, AWrittenBodyReadsBackTheSame) {
    const std::vector<Body*> bodies = Load({kFullBody});
    rapidjson::StringBuffer text;
    json::Writer writer(text);
    bodies[0]->Serialize(writer);
    const std::string written = text.GetString();
    EXPECT_LT(written.find("\"x\""), written.find("\"isGravity\"")) << written;

    std::string wrapped = "{\"Body\": " + written + "}";
    json::Document holder;
    holder.Parse(wrapped.c_str());
    ASSERT_TRUE(holder.IsObject()) << written;
    Body copy;
    copy.Unserialize(*holder.MemberBegin());
    EXPECT_EQ(bodies[0]->Position(), copy.Position());
    EXPECT_EQ(bodies[0]->shape->type, copy.shape->type);
    EXPECT_EQ(bodies[0]->width, copy.width);
    EXPECT_EQ(bodies[0]->mass, copy.mass);
    EXPECT_EQ(bodies[0]->friction, copy.friction);
    EXPECT_EQ(bodies[0]->Velocity(), copy.Velocity());
    EXPECT_EQ(bodies[0]->isMove, copy.isMove);
    EXPECT_EQ(bodies[0]->isContact, copy.isContact);
    EXPECT_EQ(bodies[0]->isGravity, copy.isGravity);
}

class BodyTest : public PhysicsWorldTest {};

TEST_F(BodyTest, ACloneCopiesTheSettingsButStartsAtTheOriginWithoutGravity) {
    Body* source = BodyOf(AddObject("ball", {CIRCLE_SHAPE, 50, 60, 20, 20, true, 4}));
    source->velX = 7;
    source->bounciness = 0.3f;
    source->isGravity = true;
    source->isContact = false;
    AddObject("later", {BOX_SHAPE, 0, 0, 10, 10, true});
    std::unique_ptr<Body> clone(static_cast<Body*>(source->Clone()));
    EXPECT_EQ(CIRCLE_SHAPE, clone->shape->type);
    EXPECT_EQ(Vec2(0, 0), clone->Position());
    EXPECT_EQ(10, static_cast<const BC&>(*clone->shape).radius);
    EXPECT_EQ(0.25f, clone->invMass);
    EXPECT_EQ(7, clone->velX);
    EXPECT_EQ(0.3f, clone->bounciness);
    EXPECT_FALSE(clone->isGravity);
    EXPECT_FALSE(clone->isContact);
    EXPECT_TRUE(clone->isMove);
    EXPECT_EQ(clone.get(), physics->bodies.front()) << "a moving clone joins the moving bodies";

    source->shape = std::make_shared<PolygonalPillar>(Vec2(-5, 5), Vec2(5, 5), Vec2(5, -5), Vec2(-5, -5));
    std::unique_ptr<Body> fromPillar(static_cast<Body*>(source->Clone()));
    EXPECT_EQ(BOX_SHAPE, fromPillar->shape->type) << "a pillar clones as the default box";

    const size_t before = physics->bodies.size();
    clone.reset();
    EXPECT_EQ(before - 1, physics->bodies.size()) << "a destroyed body leaves the list";
}

TEST(ShapeTest, PlacingAndFittingShapes) {
    AABB box;
    box.Init(10, 20, 5, 5);
    box.SetPosition(5, 5);
    EXPECT_EQ(0, box.minX) << "a box moved to its own centre stays put";
    EXPECT_EQ(15, box.maxY);
    box.SetX(15);
    EXPECT_EQ(10, box.minX);
    EXPECT_EQ(Vec2(15, 5), box.GetPosition());
    const Vec2 points[] = {{0, 0}, {4, 2}, {-2, 6}};
    box.FitToPoints(points, 3);
    EXPECT_EQ(-2, box.minX);
    EXPECT_EQ(6, box.maxY);
    EXPECT_EQ(Vec2(15, 5), box.GetPosition()) << "fitting leaves the centre where it was";

    BC circle;
    circle.Init(40, 10, 1, 2);
    EXPECT_EQ(20, circle.radius) << "the height plays no part";
    circle.SetPosition(-3, 4);
    EXPECT_EQ(Vec2(-3, 4), circle.GetPosition());
    const Vec2 square[] = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
    circle.FitToPoints(square, 4);
    EXPECT_EQ(Vec2(1, 1), circle.GetPosition());
    EXPECT_FLOAT_EQ(std::sqrt(2.0f), circle.radius);
}

}  // namespace
