// Particle nodes: graphs that start, stop, aim and set off an object's emitter, and circle an
// umbrella round its character.
#include <gtest/gtest.h>

#include "core/random.h"
#include "nodes_effects_fixture.h"

namespace {

using namespace graphtext;

const std::string kVars = R"({
    "bool": {"0": {"name": "yes", "val": true}, "1": {"name": "no", "val": false},
             "2": {"name": "Started", "val": false}},
    "double": {"0": {"name": "gravity", "val": 0.5}, "1": {"name": "colourOff", "val": 0.125},
               "2": {"name": "Radius", "val": 4}, "3": {"name": "Speed", "val": 2},
               "4": {"name": "CurrAngle", "val": 0}, "5": {"name": "Circle", "val": 10}},
    "int": {"0": {"name": "Dir", "val": 1}, "1": {"name": "Parts", "val": 8}, "2": {"name": "NoParts", "val": 0},
            "3": {"name": "Four", "val": 4}},
    "Vec2": {"0": {"name": "Offset", "x": 0, "y": 20}},
    "GameObject*": {"0": {"name": "Centre"}}})";
const std::string Yes = In("bool", 0), No = In("bool", 1), Started = In("bool", 2), Gravity = In("double", 0),
                  ColourOff = In("double", 1), Radius = In("double", 2), Speed = In("double", 3),
                  Angle = In("double", 4), Circle = In("double", 5), Dir = In("int", 0), Parts = In("int", 1),
                  NoParts = In("int", 2), Four = In("int", 3), Offset = In("Vec2", 0), Centre = In("GameObject*", 0);

class ParticleNodes : public EffectsTest {
protected:
    // The running object: a body at (10, 20), a sprite facing `scaleX`, an emitter of 10 live
    // particles at (7, 7) that is stopped and will not re-spawn.
    void Make(const NodeText& node, bool body = true, bool sprite = true, bool emitter = true, float scaleX = 1) {
        MakeChain({node}, body, sprite, emitter, scaleX);
    }
    void MakeChain(const std::vector<NodeText>& nodes, bool body = true, bool sprite = true, bool emitter = true,
                   float scaleX = 1) {
        LoadGraph("g", Graph(nodes, kVars));
        self = Spawn("Self", "g");
        if (body) GiveBody(self, 10, 20);
        if (sprite) GiveSprite(self, scaleX);
        if (emitter) {
            particle = GiveParticle(self);
            particle->SetAmount(10);
            particle->SetPosition(7, 7);
        }
    }
    GameObject* self = nullptr;
    Particle* particle = nullptr;
};

TEST_F(ParticleNodes, StartingAnEmitterAimsItAndSetsItSpraying) {
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        bool body, sprite;
        float scaleX;
        bool started;
        int direction;
        Vec2 position;
    } cases[] = {
        {"a mirrored sprite sprays left", {Yes, No, Gravity, ColourOff, No}, true, true, -1, true, -1, {7, 7}},
        {"a plain sprite sprays right", {Yes, No, Gravity, ColourOff, No}, true, true, 1, true, 1, {7, 7}},
        {"\"Dir\" wins over the sprite", {Yes, No, Gravity, ColourOff, No, Dir}, true, true, -1, true, 1, {7, 7}},
        {"following the object", {Yes, No, Gravity, ColourOff, Yes}, true, true, 1, true, 1, {10, 20}},
        {"following with an offset", {Yes, No, Gravity, ColourOff, Yes, "", Offset}, true, true, 1, true, 1, {10, 40}},
        {"no gravity given", {Yes, No, "", ColourOff, No}, true, true, 1, false, -1, {7, 7}},
        {"no follow flag", {Yes, No, Gravity, ColourOff}, true, true, 1, false, -1, {7, 7}},
        {"no sprite to face by", {Yes, No, Gravity, ColourOff, No}, true, false, 1, false, -1, {7, 7}},
        {"no body", {Yes, No, Gravity, ColourOff, No}, false, true, 1, false, -1, {7, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        Make({0, "StartParticleNode", {}, c.ins}, c.body, c.sprite, true, c.scaleX);
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(!c.started, particle->stopped);
        EXPECT_EQ(!c.started, particle->noRespawn);
        EXPECT_EQ(c.direction, particle->direction);
        EXPECT_EQ(c.position, (Vec2{particle->posX, particle->posY}));
        if (c.started) {
            EXPECT_FLOAT_EQ(0.5f, particle->gravity);
            EXPECT_FLOAT_EQ(0.125f, particle->offset);
            EXPECT_TRUE(particle->spreadX);
            EXPECT_FALSE(particle->spreadY);
            EXPECT_FALSE(particle->burst);
        }
    }
}

TEST_F(ParticleNodes, StopHaltsAtOnceStopCompletelyLetsItRunDryAndStartUndoesBoth) {
    Make({0, "StopParticleNode", {}, {}});
    particle->stopped = false;
    EXPECT_EQ(-1, Run(self));
    EXPECT_TRUE(particle->stopped);

    Make({0, "StopParticleCompletelyNode", {}, {}});
    particle->stopped = false;
    particle->noRespawn = false;
    EXPECT_EQ(-1, Run(self));
    EXPECT_FALSE(particle->stopped);
    EXPECT_TRUE(particle->noRespawn);

    Make({0, "StopParticleCompletelyNode", {}, {}}, false);  // no body: nothing to run dry
    particle->noRespawn = false;
    EXPECT_EQ(-1, Run(self));
    EXPECT_FALSE(particle->noRespawn);

    MakeChain({{0, "StopParticleNode", {1}, {}},
               {1, "StopParticleCompletelyNode", {2}, {}},
               {2, "StartParticleNode", {}, {Yes, No, Gravity, ColourOff, No}}});
    EXPECT_EQ(-1, Run(self));
    EXPECT_FALSE(particle->stopped);
    EXPECT_FALSE(particle->noRespawn);
}

TEST_F(ParticleNodes, StartExplodeNeedsBothSettings) {
    struct Case {
        std::vector<std::string> ins;
        bool started;
    } cases[] = {{{Gravity, ColourOff}, true}, {{Gravity, ""}, false}, {{"", ColourOff}, false}};
    for (const Case& c : cases) {
        Make({0, "StartExplodeNode", {}, c.ins});
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(!c.started, particle->stopped);
        EXPECT_FLOAT_EQ(c.started ? 0.5f : 0.2f, particle->gravity);
        EXPECT_FALSE(particle->burst) << "the burst is set up by ResetExplodeNode";
    }
}

TEST_F(ParticleNodes, ResetExplodeSetsUpABurstOnTheObjectOrInTheMiddleOfTheView) {
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        bool burst;
        Vec2 position;
    } cases[] = {
        {"once, on the object", {Yes, Parts, Radius, Speed, Yes}, true, {10, 20}},
        {"once, told not to follow, still ends on the object", {Yes, Parts, Radius, Speed, No}, true, {10, 20}},
        {"once without a follow flag", {Yes, Parts, Radius, Speed}, false, {7, 7}},
        {"a burst of no parts", {Yes, NoParts, Radius, Speed, Yes}, false, {7, 7}},
        {"no speed", {Yes, Parts, Radius, "", Yes}, false, {7, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        Make({0, "ResetExplodeNode", {}, c.ins});
        for (ParticleObj& p : particle->pool) p.life = -1;  // burnt out: ready to restart
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(c.burst, particle->burst);
        EXPECT_EQ(c.position, (Vec2{particle->posX, particle->posY}));
        EXPECT_EQ(c.burst ? 8 : 0, particle->ringParts);
        if (c.burst) {
            EXPECT_FLOAT_EQ(4.0f, particle->ringSpeed);
            EXPECT_FLOAT_EQ(2.0f, particle->burstSpeed);
            EXPECT_GT(particle->pool[0].life, 0) << "the particles were restarted";
        }
    }

    // Not once: anywhere within a third of the view of the camera.
    renderer->camera.SetPosition(100, 50);
    SeedRandom(7);
    for (int run = 0; run < 40; ++run) {
        Make({0, "ResetExplodeNode", {}, {No, Parts, Radius, Speed}});
        EXPECT_EQ(-1, Run(self));
        EXPECT_NEAR(100, particle->posX, 1280.0f / 3);
        EXPECT_NEAR(50, particle->posY, 240);
    }
}

TEST_F(ParticleNodes, AnEmitterKeepsToItsMovingObject) {
    Make({0, "UpdateParticlePosNode", {}, {}});
    BodyOf(self)->shape->SetPosition(-30, 45);
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ((Vec2{-30, 45}), (Vec2{particle->posX, particle->posY}));
    EXPECT_FLOAT_EQ(7, particle->pool[0].x) << "particles in flight stay where they are";

    Make({0, "UpdateParticlePosNode", {}, {}}, false);
    EXPECT_EQ(-1, Run(self));
    EXPECT_EQ((Vec2{7, 7}), (Vec2{particle->posX, particle->posY}));
}

TEST_F(ParticleNodes, AnUmbrellaCirclesItsCharacterAQuarterTurnPerRun) {
    Make({0, "UmbrellaSpecialSkillParticleNode", {}, {Centre, Circle, Four, Angle, Started}});
    GameObject* centre = Spawn("Centre", "g");
    GiveBody(centre, 100, 200);
    Var<GameObject*>(self, "Centre") = centre;
    const struct {
        Vec2 at;
        double angle;
    } steps[] = {{{110, 200}, 360}, {{100, 190}, 90}, {{90, 200}, 180}, {{100, 210}, 270}, {{110, 200}, 360}};
    for (const auto& step : steps) {
        EXPECT_EQ(-1, Run(self));
        EXPECT_NEAR(step.at.x, BodyOf(self)->Position().x, 1e-3);
        EXPECT_NEAR(step.at.y, BodyOf(self)->Position().y, 1e-3);
        EXPECT_DOUBLE_EQ(step.angle, Var<double>(self, "CurrAngle"));
    }
    EXPECT_TRUE(Var<bool>(self, "Started"));

    // A turn in no parts, or no character to circle, leaves the umbrella where it is.
    for (const auto& ins : {std::vector<std::string>{Centre, Circle, NoParts, Angle, Started},
                            std::vector<std::string>{"", Circle, Four, Angle, Started}}) {
        Make({0, "UmbrellaSpecialSkillParticleNode", {}, ins});
        Var<GameObject*>(self, "Centre") = centre;
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ((Vec2{10, 20}), BodyOf(self)->Position());
        EXPECT_FALSE(Var<bool>(self, "Started"));
    }
}

}  // namespace
