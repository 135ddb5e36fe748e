// Sprites as level designers write them and as the renderer keeps them: reading and writing
// their JSON, stepping animations, clones and the top sprite.
#include <gtest/gtest.h>

#include <memory>

#include "core/json_file.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "graphics/graphic_gl.h"
#include "graphics/sprite.h"
#include "graphics/texture_manager.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"

namespace {

// Logic only: the renderer is registered and the texture list read, but nothing is drawn.
class SpriteTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        ASSERT_TRUE(StartUp());
    }

    static std::unique_ptr<Sprite> Read(const std::string& settings) {
        JsonFile file;
        EXPECT_TRUE(file.Parse("{\"Sprite\": " + settings + "}", "sprite"));
        auto sprite = std::make_unique<Sprite>();
        sprite->Unserialize(*json::MemberAt(file.Doc(), 0));
        return sprite;
    }

    static std::string Write(const Sprite& sprite) {
        rapidjson::StringBuffer buffer;
        json::Writer writer(buffer);
        sprite.Serialize(writer);
        return buffer.GetString();
    }
};

TEST_F(SpriteTest, AnimationsStepThroughTheirCellsOncePerDrawnFrame) {
    // Frames per cell, the range, where the sprite starts, and the cells of the next drawn frames.
    auto& textures = TextureManager::GetInstance();
    struct Case {
        const char* what;
        unsigned start, end, perCell, firstFrame;
        std::vector<unsigned> shown;
    };
    const Case cases[] = {
        {"three frames a cell", 2, 4, 3, 2, {2, 2, 3, 3, 3, 4, 4, 4, 2, 2, 2, 3}},
        {"a frame outside the range jumps to its start first", 2, 4, 3, 7, {2, 2, 3, 3, 3, 4}},
        {"one frame a cell", 0, 2, 1, 0, {1, 2, 0, 1, 2, 0}},
        {"zero frames a cell advances every frame too", 0, 2, 0, 0, {1, 2, 0, 1}},
        {"a one-cell range stays", 5, 5, 2, 5, {5, 5, 5, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(textures.AddAnimation(2, 3, c.start, c.end, c.perCell));
        Sprite sprite;
        sprite.SetTexture(2);
        sprite.state.animId = 3;
        sprite.state.currentFrame = c.firstFrame;
        std::vector<unsigned> shown;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            sprite.StepAnimation();
            shown.push_back(sprite.state.currentFrame);
        }
        EXPECT_EQ(c.shown, shown);
    }
}

TEST_F(SpriteTest, TheDefaultEyeShowsOneWorldUnitPerPixelWithoutADisplayToo) {
    // Mouse picking reads the view from these matrices on every backend.
    GraphicGL* renderer = FindRenderer();
    EXPECT_FLOAT_EQ(-2.0f, renderer->camera.lookAt[14]);
    EXPECT_FLOAT_EQ(-1.0f, renderer->camera.simPerps[11]);
    EXPECT_FLOAT_EQ(-1.0f, renderer->camera.simPerps[15]) << "w is the eye distance beyond the view plane";
    EXPECT_FLOAT_EQ(1.0f, renderer->camera.WorldUnitsPerPixel());
    renderer->camera.SetPosition(0.5f, -0.25f);
    EXPECT_FLOAT_EQ(-0.5f, renderer->camera.simPerps[12]);
    EXPECT_FLOAT_EQ(0.25f, renderer->camera.simPerps[13]);
    EXPECT_FLOAT_EQ(-0.5f, renderer->matrices[GraphicGL::kSimPerps].matrix[12]);
}

TEST_F(SpriteTest, AnimationsRunWithoutADisplayToo) {
    auto sprite = Read(R"({"textureId": 2, "isTexture": true, "isActive": true, "alpha": 1})");
    for (int frame = 0; frame < 3; ++frame) SystemManager::GetInstance().Get<GraphicGL>(GRAPHIC_GL)->Update(0);
    EXPECT_EQ(3u, sprite->state.currentFrame);
}

TEST_F(SpriteTest, SpritesWithoutAUsableAnimationKeepTheirFrame) {
    const struct {
        const char* what;
        unsigned textureId, animId;
    } cases[] = {{"texture 0 means no animation", 0, 0},
                 {"a texture that is not loaded", 77, 0},
                 {"an animation index past the list", 2, 9},
                 {"a texture without animations", 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Sprite sprite;
        sprite.state.textureId = c.textureId;
        sprite.state.animId = c.animId;
        sprite.state.currentFrame = 6;
        for (int i = 0; i < 5; ++i) sprite.StepAnimation();
        EXPECT_EQ(6u, sprite.state.currentFrame);
        EXPECT_EQ(0u, sprite.state.frameTick);
    }
}

TEST_F(SpriteTest, ReadingASpriteTakesEachKeyAndMissingOnesAsZero) {
    auto sprite = Read(R"({"textureId": 2, "animId": 1, "isTexture": true, "isActive": true, "red": 0.5,
        "green": 0.25, "blue": 1, "alpha": 0.75, "x": 10, "y": -20, "u": 0.25, "v": 0.5, "width": 64,
        "height": 48, "rotation": 90})");
    EXPECT_EQ(2u, sprite->state.textureId);
    EXPECT_EQ(1u, sprite->state.animId);
    EXPECT_TRUE(sprite->state.isTexture);
    EXPECT_TRUE(sprite->active);
    EXPECT_FLOAT_EQ(0.75f, sprite->state.rgba[3]);
    EXPECT_FLOAT_EQ(64, sprite->width);
    // It already stands where its file puts it, before any body moves it.
    EXPECT_FLOAT_EQ(10, sprite->state.transform[2]);
    EXPECT_FLOAT_EQ(-20, sprite->state.transform[5]);

    // A sheet without "u" and "v" ends with a zero cell size, as written.
    auto noCell = Read(R"({"textureId": 3, "isActive": true, "alpha": 1})");
    EXPECT_EQ(3u, noCell->state.textureId);
    EXPECT_FLOAT_EQ(0, noCell->state.u);
    EXPECT_FLOAT_EQ(0, noCell->state.v);

    // Without "isActive" and "alpha" a sprite is inactive and clear; wrong types read as 0.
    testing::internal::CaptureStdout();
    auto bare = Read(R"({"meshType": "circle", "textureId": -4, "red": true})");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(bare->active);
    EXPECT_FLOAT_EQ(0, bare->state.rgba[3]);
    EXPECT_EQ(0, bare->state.meshType);
    EXPECT_EQ(0u, bare->state.textureId);
    EXPECT_NE(std::string::npos, printed.find("\"meshType\" must be an integer"));
    EXPECT_NE(std::string::npos, printed.find("\"textureId\" must not be negative"));
    EXPECT_NE(std::string::npos, printed.find("\"red\" must be a number"));
}

TEST_F(SpriteTest, AWrittenSpriteReadsBackTheSame) {
    const std::string settings = R"({"textureId": 3, "meshType": 1, "animId": 0, "isDebug": true,
        "isTexture": true, "isActive": true, "red": 0.5, "green": 0.125, "blue": 1, "alpha": 0.1,
        "width": 33.5, "height": 12, "u": 0.25, "v": 1, "x": -640.25, "y": 7, "rotation": 12.5})";
    auto first = Read(settings);
    const std::string written = Write(*first);
    auto second = Read(written);
    EXPECT_EQ(written, Write(*second));
    EXPECT_FLOAT_EQ(0.1f, second->state.rgba[3]);
    EXPECT_FLOAT_EQ(-640.25f, second->x);
    EXPECT_TRUE(second->state.isDebug);
    // The keys come out in the order the game writes them.
    const char* order[] = {"textureId", "meshType", "animId", "isDebug", "isTexture", "isActive", "red", "green",
                           "blue", "alpha", "width", "height", "u", "v", "x", "y", "rotation"};
    size_t at = 0;
    for (const char* key : order) {
        const size_t found = written.find(std::string("\"") + key + "\"");
        ASSERT_NE(std::string::npos, found) << key;
        EXPECT_GT(found, at) << key;
        at = found;
    }
}

TEST_F(SpriteTest, ACloneDrawsAfterEverySpriteBeforeItAndForgetsItsScale) {
    GraphicGL* renderer = FindRenderer();
    auto first = Read(R"({"isActive": true, "alpha": 1, "textureId": 2, "x": 5})");
    first->scaleX = 3;
    first->state.currentFrame = 5;
    auto second = Read(R"({"isActive": true, "alpha": 1})");
    std::unique_ptr<Sprite> copy(static_cast<Sprite*>(first->Clone()));
    ASSERT_EQ(3u, renderer->sprites.size());
    EXPECT_EQ(copy.get(), renderer->sprites.back());
    EXPECT_EQ(5u, copy->state.currentFrame);
    EXPECT_FLOAT_EQ(5, copy->x);
    EXPECT_FLOAT_EQ(1, copy->scaleX);

    renderer->SetTopSprite();
    EXPECT_EQ(copy.get(), renderer->topSprite);
    copy.reset();
    EXPECT_EQ(nullptr, renderer->topSprite);
    EXPECT_EQ(2u, renderer->sprites.size());
}

TEST_F(SpriteTest, ChangingToATextureThatIsNotLoadedChangesNothing) {
    Sprite sprite;
    sprite.SetTexture(2);
    sprite.state.animId = 1;
    sprite.SetTexture(500);
    EXPECT_EQ(2u, sprite.state.textureId);
    EXPECT_EQ(1u, sprite.state.animId);
    EXPECT_FLOAT_EQ(0.25f, sprite.state.u);
    EXPECT_FLOAT_EQ(0.5f, sprite.state.v);
}

}  // namespace
