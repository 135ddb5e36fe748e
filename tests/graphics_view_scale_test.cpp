// The scale of the view: at the default eye the window shows exactly 1280 by 720 world units
// centred on the camera, and a click picks what is drawn under the mouse wherever the camera is.
#include <gtest/gtest.h>

#include "graphics_fixture.h"
#include "physics/body.h"
#include "physics/picking.h"
#include "platform/virtual_keys.h"

namespace {

class ViewScaleTest : public GraphicsTest {
protected:
    void Start() {
        auto backend = std::make_unique<platform::ScriptedBackend>(true);
        scripted = backend.get();
        platform::Install(std::move(backend));
        ASSERT_TRUE(StartUp());
        SystemManager::GetInstance().BeginRun();
    }

    static std::string Rect(float x, float y, float width, float height, const std::string& colour) {
        return "\"isActive\": true, \"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) +
               ", \"width\": " + std::to_string(width) + ", \"height\": " + std::to_string(height) + ", " + colour +
               ", \"alpha\": 1";
    }

    // Whole frames, window events included, as the main loop runs them.
    static void RunFramesWithEvents(int frames) {
        for (int i = 0; i < frames; ++i) ASSERT_TRUE(SystemManager::GetInstance().RunFrame());
    }

    platform::ScriptedBackend* scripted = nullptr;
};

// The level's last sprite is left for the particles to draw on top: park one out of sight.
const std::string kParked =
    GraphicsTest::SpriteObject("Parked", "\"isActive\": true, \"x\": -5000, \"width\": 1, \"height\": 1");
const std::string kRed = "\"red\": 1, \"green\": 0, \"blue\": 0";
constexpr GraphicsTest::Rgba kRedPixel = {255, 0, 0, 255};

TEST_F(ViewScaleTest, AViewSizedSpriteFillsTheFrameAndAHalfSizedOneExactlyItsHalf) {
    const float cameraX = 360;  // the middle scene
    struct Case {
        const char* what;
        float x, width;
        int firstColumn, lastColumn;  // the window columns the sprite covers
    };
    const Case cases[] = {
        {"the whole view", cameraX, 1280, 0, 1279},
        {"the left half", cameraX - 320, 640, 0, 639},
        {"the right half", cameraX + 320, 640, 640, 1279},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameStateManager::DestroyAllObjects();
        LoadLevel(SpriteObject("Sheet", Rect(c.x, 0, c.width, 720, kRed)) + ", " + kParked, cameraX);
        RunFrames();
        for (int column : {0, 1, 639, 640, 1278, 1279}) {
            const bool covered = column >= c.firstColumn && column <= c.lastColumn;
            for (int row : {0, 360, 719}) {
                EXPECT_TRUE(Near(covered ? kRedPixel : kBackground, Pixel(column, row)))
                    << "column " << column << " row " << row;
            }
        }
    }
}

TEST_F(ViewScaleTest, ThePictureFollowsTheWindowsRealSizeThoughNoResizeIsReported) {
    // A window manager that comes late to a full-screen request, or never does, changes the
    // window without the system telling of it.
    const struct {
        int width, height;
    } sizes[] = {{640, 360}, {1000, 500}, {1280, 720}};
    Start();
    LoadLevel(SpriteObject("Sheet", Rect(0, 0, 1280, 720, kRed)) + ", " + kParked);
    for (const auto& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        scripted->ResizeWindow(size.width, size.height, false);
        RunFrames();
        EXPECT_TRUE(Near(kRedPixel, Pixel(0, 0)));
        EXPECT_TRUE(Near(kRedPixel, Pixel(size.width - 1, size.height - 1))) << "the view reaches the far corner";
        if (size.width < 1280) EXPECT_FALSE(Near(kRedPixel, Pixel(size.width, 0))) << "and stops at the window's edge";
        if (size.height < 720) EXPECT_FALSE(Near(kRedPixel, Pixel(0, size.height)));
    }
}

TEST_F(ViewScaleTest, AClickPicksTheBodyDrawnUnderTheMouseWithTheCameraPanned) {
    const float cameraX = 1640;  // the right scene
    // The mouse 200 pixels right of and 100 below the window centre.
    const int mouseX = 640 + 200, mouseY = 360 + 100;
    auto crate = [](const std::string& name, float x, float y, const std::string& colour) {
        const std::string place = "\"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) +
                                  ", \"width\": 80, \"height\": 80";
        return "\"" + name + "\": {\"Name\": \"" + name + "\", \"Type\": \"Start\", \"Active\": true, " +
               "\"Body\": {\"shapeid\": 1, " + place +
               ", \"mass\": 0, \"isMove\": false, \"isGravity\": false, \"isContact\": false}, " +
               "\"Sprite\": {\"isActive\": true, " + place + ", " + colour + ", \"alpha\": 1}}";
    };
    Start();
    // The decoy stands where a view of two world units per pixel would put the click.
    LoadLevel(crate("Target", cameraX + 200, -100, kRed) + ", " +
                  crate("Decoy", cameraX + 400, -200, "\"red\": 0, \"green\": 0, \"blue\": 1") + ", " + kParked,
              cameraX);
    RunFrames();
    EXPECT_TRUE(Near(kRedPixel, Pixel(mouseX, 719 - mouseY))) << "the target is drawn under the mouse";

    scripted->PushEvent({platform::EventKind::MouseMove, 0, mouseX, mouseY});
    scripted->SetKey(platform::vk::kLButton, true);
    RunFramesWithEvents(4);
    EXPECT_EQ(GameStateManager::FindObjectByName("Target")->Get<Body>(BODY), PickedBody);
    scripted->SetKey(platform::vk::kLButton, false);
    RunFramesWithEvents(3);
    EXPECT_EQ(nullptr, PickedBody);

    // The eye moved back to two world units per pixel: now the decoy is under the mouse.
    Camera& camera = FindRenderer()->camera;
    camera.eye.z = 3;
    camera.dirty = true;
    RunFrames();
    EXPECT_TRUE(Near({0, 0, 255, 255}, Pixel(mouseX, 719 - mouseY))) << "the decoy is drawn under the mouse";
    scripted->SetKey(platform::vk::kLButton, true);
    RunFramesWithEvents(4);
    EXPECT_EQ(GameStateManager::FindObjectByName("Decoy")->Get<Body>(BODY), PickedBody);
}

}  // namespace
