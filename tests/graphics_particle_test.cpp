// Particle emitters without a screen: what each frame does to the pool, with the random
// generator seeded so that every run is the same.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "core/json_file.h"
#include "core/random.h"
#include "graphics/particle.h"
#include "support/engine_test.h"

namespace {

// Records what an emitter hands over for drawing: the position and the mesh.
struct Recorder : ParticleCanvas {
    void Draw(const SpriteState& state, int mesh) override {
        draws.push_back({state.transform[2], state.transform[5]});
        meshes.push_back(mesh);
        alphas.push_back(state.rgba[3]);
    }
    std::vector<std::pair<float, float>> draws;
    std::vector<int> meshes;
    std::vector<float> alphas;
};

class ParticleTest : public EngineTest {
protected:
    // 50 live particles at (100, 100), spraying left and up, living 5 to 10 frames.
    void Build() {
        SeedRandom(2024);
        emitter.SetAmount(50);
        emitter.SetPosition(100, 100);
        emitter.SetScale(6, 6);
        emitter.SetVelocity(3, 3);
        emitter.SetLife(10);
        const float red[4] = {1, 0, 0, 1};
        emitter.SetColour(red);
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) emitter.Update(canvas);
    }
    std::vector<std::pair<float, float>> Positions() const {
        std::vector<std::pair<float, float>> out;
        for (const ParticleObj& p : emitter.pool) out.push_back({p.x, p.y});
        return out;
    }
    Particle emitter;
    Recorder canvas;
};

TEST_F(ParticleTest, AnEmitterSpraysStopsRunsDryAndExplodesInARing) {
    Build();
    EXPECT_TRUE(emitter.stopped) << "a new emitter waits for a graph to start it";
    Frames(5);
    EXPECT_TRUE(canvas.draws.empty());

    // Spray: burnt-out particles come back at the emitter, so none strays far.
    emitter.stopped = false;
    emitter.noRespawn = false;
    Frames(40);
    EXPECT_FALSE(canvas.draws.empty());
    for (const ParticleObj& p : emitter.pool) {
        if (p.stopped) continue;
        EXPECT_LE(std::fabs(p.x - 100), 3 * 12);
        EXPECT_GE(p.life, -1);
    }
    for (const auto& [x, y] : canvas.draws) EXPECT_TRUE(x != 100 && y != 100) << "nothing drawn on the emitter's lines";

    // Stop: frozen and hidden.
    emitter.stopped = true;
    const auto frozen = Positions();
    canvas.draws.clear();
    Frames(3);
    EXPECT_TRUE(canvas.draws.empty());
    EXPECT_EQ(frozen, Positions());

    // Stop completely: the live ones burn out and none comes back.
    emitter.stopped = false;
    emitter.noRespawn = true;
    Frames(30);
    for (int i = 0; i < 50; ++i) EXPECT_LT(emitter.pool[static_cast<size_t>(i)].life, -15) << i;

    // Explode: all back at the emitter with lives again, flung out at ring speeds.
    emitter.burst = true;
    emitter.ringParts = 8;
    emitter.ringSpeed = 4;
    emitter.burstSpeed = 2;
    emitter.RestartAll();
    for (int i = 0; i < 50; ++i) {
        const ParticleObj& p = emitter.pool[static_cast<size_t>(i)];
        EXPECT_EQ(std::make_pair(100.0f, 100.0f), std::make_pair(p.x, p.y)) << i;
        EXPECT_TRUE(p.life >= 5 && p.life <= 10) << i;
        EXPECT_LE(std::hypot(p.vx, p.vy), 4.0001f) << i;
    }
    canvas.draws.clear();
    Frames(1);
    EXPECT_EQ(50u, canvas.draws.size()) << "a burst draws every live particle";

    // Set off again while one still burns: nothing happens.
    const auto flying = Positions();
    emitter.RestartAll();
    EXPECT_EQ(flying, Positions());
}

TEST_F(ParticleTest, TheSameSeedGivesTheSameParticles) {
    std::vector<std::pair<float, float>> runs[2];
    for (auto& run : runs) {
        Build();
        emitter.stopped = false;
        emitter.noRespawn = false;
        Frames(25);
        run = Positions();
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(ParticleTest, ParticlesFallUnderGravityFrameByFrame) {
    struct Case {
        float vx, vy, gravity;
        int frames;
    } cases[] = {{2, 5, 0.2f, 1}, {2, 5, 0.2f, 10}, {-1.5f, 0, 0.5f, 7}, {0.5f, 8, 0, 20}};
    for (const Case& c : cases) {
        Particle spray;
        spray.SetAmount(1);
        spray.SetPosition(0, 0);
        spray.stopped = false;
        spray.gravity = c.gravity;
        ParticleObj& p = spray.pool[0];
        p.life = 1000;
        p.x = 10;
        p.y = 20;
        p.vx = c.vx;
        p.vy = c.vy;
        Recorder seen;
        for (int i = 0; i < c.frames; ++i) spray.Update(seen);
        const float n = static_cast<float>(c.frames);
        EXPECT_NEAR(10 + n * c.vx, p.x, 1e-3);
        EXPECT_NEAR(20 + n * c.vy - c.gravity * n * (n - 1) / 2, p.y, 1e-3);
        // Each frame draws where the particle was before it moved.
        ASSERT_EQ(static_cast<size_t>(c.frames), seen.draws.size());
        EXPECT_NEAR(10 + (n - 1) * c.vx, seen.draws.back().first, 1e-3);
    }
}

TEST_F(ParticleTest, ABurstShimmersByOneUnitInADirectionWorkedOutInFloat) {
    // No drift (burst speed 0), no gravity: the only move is the shimmer, cos t and sin t with
    // t = (a + b) / 360 x s in float arithmetic, from the draws in their fixed order.
    Particle blast;
    blast.SetAmount(1);
    blast.SetPosition(0, 0);
    blast.stopped = false;
    blast.burst = true;
    blast.gravity = 0;
    ParticleObj& p = blast.pool[0];
    p.vx = 3;
    p.vy = 3;
    Recorder seen;
    float x = 0, y = 0;
    for (int frame = 0; frame < 20; ++frame) {
        SeedRandom(static_cast<unsigned>(frame));
        const int mesh = RandomBelow(2), s = RandomBelow(10) + 10, a = RandomBelow(360), b = RandomBelow(10) + 10;
        const float t = static_cast<float>(a + b) / 360.0f * static_cast<float>(s);
        x += std::cos(t);
        y += std::sin(t);
        SeedRandom(static_cast<unsigned>(frame));
        blast.Update(seen);
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "a burst speed of 0 is no drift, not infinity";
        EXPECT_FLOAT_EQ(x, p.x);
        EXPECT_FLOAT_EQ(y, p.y);
        EXPECT_EQ(mesh, seen.meshes.back());
    }
}

TEST_F(ParticleTest, EdgesOfThePool) {
    Particle e;
    const std::pair<int, int> amounts[] = {{5000, 1000}, {120, 120}, {0, 0}, {-4, 0}};
    for (const auto& [asked, live] : amounts) {
        e.SetAmount(asked);
        int count = 0;
        for (const ParticleObj& p : e.pool) count += p.stopped ? 0 : 1;
        EXPECT_EQ(live, count) << asked;
        EXPECT_EQ(live, e.amount) << asked;
    }
    EXPECT_NEAR(0.1543f, e.dir, 1e-4) << "the cosine of 30 radians";

    // A stopped particle in the middle ends the pass: the ones after it neither move nor draw.
    e.SetAmount(6);
    e.SetPosition(0, 0);
    e.stopped = false;
    for (ParticleObj& p : e.pool) {
        p.x = p.y = 5;
        p.vx = p.vy = 1;
        p.life = 100;
    }
    e.pool[2].stopped = true;
    Recorder seen;
    e.Update(seen);
    EXPECT_EQ(2u, seen.draws.size());
    EXPECT_FLOAT_EQ(6, e.pool[1].x);
    EXPECT_FLOAT_EQ(5, e.pool[3].x);

    // A particle rising straight up from the emitter is never drawn.
    Particle fountain;
    fountain.SetAmount(1);
    fountain.SetPosition(50, 0);
    fountain.stopped = false;
    fountain.pool[0].vy = 4;
    fountain.pool[0].life = 100;
    Recorder none;
    for (int i = 0; i < 10; ++i) fountain.Update(none);
    EXPECT_TRUE(none.draws.empty());
}

TEST_F(ParticleTest, SettingsThatWouldDivideByZeroOrHaveNoMeaningAreHarmless) {
    SeedRandom(5);
    Particle e;
    e.SetAmount(3);
    // A velocity of -1 leaves no range for a remainder: the speed is 0.
    e.velX = e.velY = -1;
    for (int i = 0; i < 20; ++i) {
        e.SpawnVelocity(false, false, -1);
        EXPECT_EQ(0, e.spawnVX);
        EXPECT_EQ(0, e.spawnVY);
    }
    // A life of 0 fades out in one step.
    e.SetLife(0);
    const float white[4] = {1, 1, 1, 1};
    e.SetColour(white);
    e.stopped = false;
    for (ParticleObj& p : e.pool) p.x = p.y = 3;
    Recorder seen;
    e.Update(seen);
    ASSERT_EQ(3u, seen.alphas.size());
    for (float alpha : seen.alphas) EXPECT_LE(alpha, 0);
    // Rings of no parts change no velocity.
    for (ParticleObj& p : e.pool) p.vx = p.vy = 7;
    for (int parts : {0, -3}) {
        e.RingVelocities(parts);
        EXPECT_EQ(7, e.pool[0].vx);
    }
}

TEST_F(ParticleTest, SpawnVelocityFollowsTheSpreadRules) {
    struct Case {
        bool spreadX, spreadY;
        int side;
        float minX, maxX, minY, maxY;
    } cases[] = {
        {false, false, 0, 0, 4, 0, 2},   {false, true, -1, 0, 4, -2, 2},  {false, true, 1, -4, 0, -2, 2},
        {false, true, 3, 9, 9, 9, 9},    {true, true, 0, -4, 4, -2, 2},   {true, false, 1, 0, 4, 0, 2},
        {true, false, -1, -4, 0, 0, 2},  {true, false, 7, -4, 4, 0, 2},
    };
    SeedRandom(11);
    Particle e;
    e.velX = 4;
    e.velY = 2;
    for (const Case& c : cases) {
        e.spawnVX = e.spawnVY = 9;  // "unchanged" shows as 9
        for (int i = 0; i < 200; ++i) {
            e.SpawnVelocity(c.spreadX, c.spreadY, c.side);
            ASSERT_TRUE(e.spawnVX >= c.minX && e.spawnVX <= c.maxX) << c.spreadX << c.spreadY << c.side;
            ASSERT_TRUE(e.spawnVY >= c.minY && e.spawnVY <= c.maxY) << c.spreadX << c.spreadY << c.side;
        }
        EXPECT_EQ(c.side, e.direction);
    }
}

TEST_F(ParticleTest, SettingsComeFromTheObjectFileAndGoBackUnchanged) {
    JsonFile file;
    ASSERT_TRUE(file.Parse(R"({"Particle": {"amount": 30, "posX": 5, "posY": -6, "scaleX": 4, "scaleY": 3,
        "velX": 2, "velY": 1, "life": 40, "dir": 0.5, "offset": 0, "red": 0.25, "green": 0.5, "blue": 0.75,
        "alpha": 1}})",
                           "particle"));
    Particle e;
    e.Unserialize(*json::MemberAt(file.Doc(), 0));
    EXPECT_TRUE(e.stopped);
    EXPECT_FALSE(e.pool[29].stopped);
    EXPECT_TRUE(e.pool[30].stopped);
    EXPECT_EQ(std::make_pair(5.0f, -6.0f), std::make_pair(e.pool[0].x, e.pool[0].y));
    EXPECT_FLOAT_EQ(0.5f, e.pool[10].state.rgba[1]) << "an offset of 0 keeps the colour";
    EXPECT_TRUE(e.pool[0].life >= 20 && e.pool[0].life <= 40);
    // A copy (an attack's, say) is an emitter read from the same settings, with its own pool.
    std::unique_ptr<Particle> copy(static_cast<Particle*>(e.Clone()));
    EXPECT_FALSE(copy->pool[29].stopped);
    EXPECT_TRUE(copy->pool[30].stopped);
    EXPECT_FLOAT_EQ(0.75f, copy->pool[3].state.rgba[2]);
    EXPECT_EQ(std::make_pair(5.0f, -6.0f), std::make_pair(copy->pool[0].x, copy->pool[0].y));

    rapidjson::StringBuffer buffer;
    json::Writer writer(buffer);
    e.Serialize(writer);
    JsonFile back;
    ASSERT_TRUE(back.Parse(buffer.GetString(), "written"));
    const char* keys[] = {"amount", "posX", "posY", "scaleX", "scaleY", "velX", "velY",
                          "life",   "dir",  "offset", "red", "green", "blue", "alpha"};
    ASSERT_EQ(14u, json::MemberCount(back.Doc()));
    const json::Value& read = json::MemberAt(file.Doc(), 0)->value;
    for (size_t i = 0; i < 14; ++i) {
        EXPECT_STREQ(keys[i], json::MemberAt(back.Doc(), i)->name.GetString());
        EXPECT_EQ(read[keys[i]].GetDouble(), json::MemberAt(back.Doc(), i)->value.GetDouble()) << keys[i];
    }

    // Missing or mistyped keys read as 0; a setting that is not an object keeps the defaults.
    ASSERT_TRUE(file.Parse(R"({"Particle": {"amount": "many", "life": 8}})", "particle"));
    Particle sparse;
    sparse.Unserialize(*json::MemberAt(file.Doc(), 0));
    EXPECT_EQ(0, sparse.amount);
    EXPECT_FLOAT_EQ(0, sparse.posX);
    ASSERT_TRUE(file.Parse(R"({"Particle": [1, 2]})", "particle"));
    Particle kept;
    kept.Unserialize(*json::MemberAt(file.Doc(), 0));
    EXPECT_EQ(120, kept.amount);
}

}  // namespace
