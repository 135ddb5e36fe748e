// What a player sees of sprites: colour and place through the camera, blending, animation
// frames over time, and the logical view stretched over windows of any size.
#include <gtest/gtest.h>

#include "graphics/game_window.h"
#include "graphics/image_file.h"
#include "graphics/sprite.h"
#include "graphics_fixture.h"

namespace {

using RenderTest = GraphicsTest;

std::string Colour(float r, float g, float b, float a) {
    return "\"red\": " + std::to_string(r) + ", \"green\": " + std::to_string(g) + ", \"blue\": " +
           std::to_string(b) + ", \"alpha\": " + std::to_string(a);
}

std::string Square(float x, float y, float size, const std::string& colour, const std::string& extra = "") {
    return "\"isActive\": true, \"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) +
           ", \"width\": " + std::to_string(size) + ", \"height\": " + std::to_string(size) + ", " + colour + extra;
}

// The last sprite of a level is kept for the particles to draw on top; tests park one away.
const std::string kParked = GraphicsTest::SpriteObject("Parked", Square(-1200, -600, 4, Colour(0, 0, 0, 1)));

TEST_F(RenderTest, ASpriteShowsItsColourWhereTheCameraPutsIt) {
    struct Case {
        float x, y, cameraX, cameraY;
    };
    const Case cases[] = {{0, 0, 0, 0}, {400, 200, 0, 0}, {-600, -300, 0, 0}, {400, 200, 300, 150},
                          {-1100, 100, -900, 0}};
    StartEngine();
    for (const Case& c : cases) {
        SCOPED_TRACE("sprite at " + std::to_string(c.x) + ", " + std::to_string(c.y) + " camera " +
                     std::to_string(c.cameraX) + ", " + std::to_string(c.cameraY));
        GameStateManager::DestroyAllObjects();
        LoadLevel(SpriteObject("Box", Square(c.x, c.y, 80, Colour(0.8f, 0.2f, 0.1f, 1))) + ", " + kParked, c.cameraX,
                  c.cameraY);
        RunFrames();
        const auto centre = WindowPoint(c.x, c.y, c.cameraX, c.cameraY);
        EXPECT_TRUE(Near({204, 51, 26, 255}, Pixel(centre[0], centre[1])));
        // 80 units wide is 80 pixels at this size: 50 pixels off the centre is background.
        EXPECT_TRUE(Near(kBackground, Pixel(centre[0] + 50, centre[1])));
        EXPECT_TRUE(Near(kBackground, Pixel(centre[0], centre[1] - 50)));
    }
}

TEST_F(RenderTest, TranslucentSpritesBlendWithWhatWasDrawnBefore) {
    StartEngine();
    LoadLevel(SpriteObject("Blue", Square(0, 0, 200, Colour(0, 0, 1, 1))) + ", " +
              SpriteObject("Veil", Square(100, 0, 200, Colour(1, 0, 0, 0.5f))) + ", " + kParked);
    RunFrames();
    const auto overBlue = WindowPoint(20, 0);
    const auto overSky = WindowPoint(180, 0);
    EXPECT_TRUE(Near({128, 0, 127, 255}, Pixel(overBlue[0], overBlue[1])));
    EXPECT_TRUE(Near({228, 115, 120, 255}, Pixel(overSky[0], overSky[1])));
    const auto blueOnly = WindowPoint(-80, 0);
    EXPECT_TRUE(Near({0, 0, 255, 255}, Pixel(blueOnly[0], blueOnly[1])));
}

TEST_F(RenderTest, AnAnimationShowsEachCellForItsFramesInTurn) {
    // Cells 4 to 7 of the test sheet, three drawn frames each. The first step jumps into the
    // range and counts, so cell 4 shows two frames the first time round.
    const struct {
        int frame;
        int cell;
    } expected[] = {{1, 4}, {2, 4}, {3, 5}, {5, 5}, {6, 6}, {8, 6}, {9, 7}, {11, 7}, {12, 4}, {14, 4}, {15, 5}};
    Image sheet;
    std::string error;
    ASSERT_TRUE(ReadImage("Resources/Textures/cells.png", sheet, error)) << error;
    auto cellColour = [&](int cell) {
        const int x = (cell % 4) * 8 + 4;
        const int y = sheet.height - 1 - ((cell / 4) * 8 + 4);  // rows arrive bottom first
        const uint8_t* p = &sheet.bgra[static_cast<size_t>(y * sheet.width + x) * 4];
        return GraphicsTest::Rgba{p[2], p[1], p[0], p[3]};
    };

    StartEngine();
    LoadLevel(SpriteObject("Sheet", Square(0, 0, 200, Colour(1, 1, 1, 1),
                                           ", \"textureId\": 2, \"animId\": 1, \"isTexture\": true, \"u\": 0.25, "
                                           "\"v\": 0.5")) +
              ", " + kParked);
    int drawn = 0;
    for (const auto& step : expected) {
        RunFrames(step.frame - drawn);
        drawn = step.frame;
        const auto centre = WindowPoint(0, 0);
        EXPECT_TRUE(Near(cellColour(step.cell), Pixel(centre[0], centre[1]))) << "frame " << step.frame;
    }
}

TEST_F(RenderTest, SpritesThatCannotBeDrawnAreSkippedAndTheRestStillDraw) {
    const struct {
        const char* what;
        std::string sprite;
        bool drawn;
    } cases[] = {
        {"a plain quad", Square(0, 0, 80, Colour(0, 1, 0, 1)), true},
        {"a mesh type past the mesh list", Square(0, 0, 80, Colour(0, 1, 0, 1), ", \"meshType\": 7"), false},
        {"a negative mesh type", Square(0, 0, 80, Colour(0, 1, 0, 1), ", \"meshType\": -1"), false},
        {"a texture id naming no texture", Square(0, 0, 80, Colour(0, 1, 0, 1), ", \"isTexture\": true, \"textureId\": 99"),
         false},
        {"a circle", Square(0, 0, 80, Colour(0, 1, 0, 1), ", \"meshType\": 1"), true},
    };
    StartEngine();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GameStateManager::DestroyAllObjects();
        LoadLevel(SpriteObject("Tested", c.sprite) + ", " + SpriteObject("Witness", Square(400, 0, 80, Colour(0, 0, 1, 1))) +
                  ", " + kParked);
        RunFrames();
        const auto centre = WindowPoint(0, 0);
        EXPECT_TRUE(Near(c.drawn ? Rgba{0, 255, 0, 255} : kBackground, Pixel(centre[0], centre[1])));
        const auto witness = WindowPoint(400, 0);
        EXPECT_TRUE(Near({0, 0, 255, 255}, Pixel(witness[0], witness[1])));
    }
    // The circle leaves the corners of its square free.
    const auto corner = WindowPoint(37, 37);
    EXPECT_TRUE(Near(kBackground, Pixel(corner[0], corner[1])));
}

TEST_F(RenderTest, TheLevelsLastSpriteIsLeftForTheParticlesToDrawOnTop) {
    StartEngine();
    LoadLevel(SpriteObject("First", Square(-300, 0, 80, Colour(0, 1, 0, 1))) + ", " +
              SpriteObject("Last", Square(300, 0, 80, Colour(1, 0, 0, 1))));
    RunFrames();
    auto* renderer = FindRenderer();
    ASSERT_NE(nullptr, renderer->topSprite);
    const auto first = WindowPoint(-300, 0);
    const auto last = WindowPoint(300, 0);
    EXPECT_TRUE(Near({0, 255, 0, 255}, Pixel(first[0], first[1])));
    EXPECT_TRUE(Near({255, 0, 0, 255}, Pixel(last[0], last[1]))) << "the particle system draws it last";

    // Destroying the objects forgets the top sprite instead of keeping a dangling one.
    GameStateManager::DestroyAllObjects();
    EXPECT_EQ(nullptr, renderer->topSprite);
    EXPECT_TRUE(renderer->sprites.empty());
    RunFrames();
}

// Only the window and the renderer, on a window of the given size.
class StretchTest : public ResourcesTest {};

TEST_F(StretchTest, TheLogicalViewFillsWindowsOfAnySize) {
    const int sizes[][2] = {{1280, 720}, {640, 480}, {1920, 1080}, {300, 700}};
    const float points[][2] = {{0, 0}, {550, 300}, {-550, -300}, {550, -300}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size[0]) + " x " + std::to_string(size[1]));
        ResetEngine();
        platform::Uninstall();
        platform::Install(std::make_unique<platform::ScriptedBackend>(true));
        auto* window = new GameWindow();
        window->width = size[0];
        window->height = size[1];
        ASSERT_TRUE(window->Init());
        auto* renderer = new GraphicGL();
        ASSERT_TRUE(renderer->Init());
        SystemManager::GetInstance().AddSystem(window);
        SystemManager::GetInstance().AddSystem(renderer);
        renderer->logicalWidth = 1280;
        renderer->logicalHeight = 720;
        renderer->Resize(window->GetClientWidth(), window->GetClientHeight());
        std::vector<std::unique_ptr<Sprite>> sprites;
        for (const auto& point : points) {
            auto sprite = std::make_unique<Sprite>();
            sprite->x = point[0];
            sprite->y = point[1];
            sprite->width = sprite->height = 80;
            sprite->state.rgba[1] = sprite->state.rgba[2] = 0;
            sprite->UpdateTransform();
            sprites.push_back(std::move(sprite));
        }
        renderer->Update(0);
        for (const auto& point : points) {
            const auto at = GraphicsTest::WindowPoint(point[0], point[1], 0, 0, size[0], size[1]);
            EXPECT_TRUE(Near({255, 0, 0, 255}, GraphicsTest::Pixel(at[0], at[1])))
                << "point " << point[0] << ", " << point[1];
        }
        // Between the sprites lies the background.
        const auto gap = GraphicsTest::WindowPoint(275, 150, 0, 0, size[0], size[1]);
        EXPECT_TRUE(Near(GraphicsTest::kBackground, GraphicsTest::Pixel(gap[0], gap[1])));
        sprites.clear();
    }
}

}  // namespace
