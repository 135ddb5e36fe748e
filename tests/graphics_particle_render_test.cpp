// What a player sees of particles: each at its place in its colour, under the level's top
// sprite, in a real offscreen GL frame.
#include <gtest/gtest.h>

#include "core/random.h"
#include "graphics/particle.h"
#include "graphics/particle_manager.h"
#include "graphics_fixture.h"

namespace {

using ParticleRenderTest = GraphicsTest;

// An emitter of one large particle, read from the level file; its colour never varies.
std::string Emitter(const std::string& name, float x, float y, float red, float green, float blue) {
    return "\"" + name + "\": {\"Name\": \"" + name + "\", \"Type\": \"Default\", \"Active\": true, \"Particle\": " +
           "{\"amount\": 1, \"posX\": " + std::to_string(x) + ", \"posY\": " + std::to_string(y) +
           ", \"scaleX\": 30, \"scaleY\": 30, \"velX\": 0, \"velY\": 0, \"life\": 1000, \"dir\": 0, \"offset\": 0, " +
           "\"red\": " + std::to_string(red) + ", \"green\": " + std::to_string(green) +
           ", \"blue\": " + std::to_string(blue) + ", \"alpha\": 1}}";
}

std::string Cover(float x, float y) {
    return GraphicsTest::SpriteObject("Cover", "\"isActive\": false, \"x\": " + std::to_string(x) + ", \"y\": " +
                                                   std::to_string(y) +
                                                   ", \"width\": 80, \"height\": 80, \"red\": 0, \"green\": 0, "
                                                   "\"blue\": 1, \"alpha\": 1");
}

TEST_F(ParticleRenderTest, BurstParticlesShowTheirColourWhereTheyAreUnderTheTopSprite) {
    StartEngine();
    // The cover is the level's last sprite: inactive, yet drawn over the particles.
    LoadLevel(Emitter("Red", -300, 100, 1, 0, 0) + ", " + Emitter("Green", 250, -150, 0, 1, 0) + ", " +
              Emitter("Hidden", 500, 200, 1, 0, 0) + ", " + Cover(500, 200));
    ParticleManager* manager = FindParticleManager();
    ASSERT_NE(nullptr, manager);
    ASSERT_EQ(3u, manager->emitters.size());
    for (Particle* emitter : manager->emitters) {
        emitter->stopped = false;
        emitter->burst = true;  // a burst draws its particles wherever they are
        emitter->gravity = 0;
    }
    SeedRandom(3);
    RunFrames();
    const struct {
        float x, y;
        Rgba colour;
    } expected[] = {{-300, 100, {255, 0, 0, 255}}, {250, -150, {0, 255, 0, 255}}, {500, 200, {0, 0, 255, 255}}};
    for (const auto& e : expected) {
        // The shimmer moves a particle by one unit at most; each reaches 30 units (pixels) out,
        // the cover 40.
        const auto at = WindowPoint(e.x, e.y);
        EXPECT_TRUE(Near(e.colour, Pixel(at[0], at[1]))) << e.x << ", " << e.y;
        EXPECT_TRUE(Near(kBackground, Pixel(at[0] + 50, at[1]))) << e.x << ", " << e.y;
    }

    // Stopped emitters vanish at once.
    for (Particle* emitter : manager->emitters) emitter->stopped = true;
    RunFrames();
    const auto red = WindowPoint(-300, 100);
    EXPECT_TRUE(Near(kBackground, Pixel(red[0], red[1])));
}

}  // namespace
