#pragma once

#include <array>
#include <memory>
#include <string>

#include <epoxy/gl.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graphics/graphic_gl.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"

// The engine started for real on offscreen GL in a copy of Resources/, with helpers to load a
// small level, run frames and read the picture back.
class GraphicsTest : public ResourcesTest {
public:
    using Rgba = std::array<int, 4>;

    void StartEngine() {
        platform::Install(std::make_unique<platform::ScriptedBackend>(true));
        ASSERT_TRUE(StartUp());
        SystemManager::GetInstance().BeginRun();
    }

    // A level of the given objects (JSON members, comma-separated) with the camera at (x, y).
    void LoadLevel(const std::string& objects, float cameraX = 0, float cameraY = 0) {
        WriteFile("Resources/levelData/test_level.json",
                  "{\"LevelSettings\": {\"cameraX\": " + std::to_string(cameraX) +
                      ", \"cameraY\": " + std::to_string(cameraY) +
                      ", \"cameraZ\": 0, \"gravity\": 0, \"AI file\": \"\"}" + (objects.empty() ? "" : ", ") +
                      objects + "}");
        GameStateManager::LoadLevel("Resources/levelData/test_level.json");
    }

    // One frame of every system; the scripted display does not swap, so it stays readable.
    void RunFrames(int frames = 1) {
        for (int i = 0; i < frames; ++i) SystemManager::GetInstance().Update(1.0 / 60.0);
    }

    // A pixel of the window, counted from the bottom-left as GL does.
    static Rgba Pixel(int x, int y) {
        unsigned char p[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2], p[3]};
    }

    // Where a point of the level lands in a window of the given size: the view shows 1280 by 720
    // world units centred on the camera, stretched over the window.
    static std::array<int, 2> WindowPoint(float x, float y, float cameraX = 0, float cameraY = 0, int width = 1280,
                                          int height = 720) {
        const float ndcX = (x - cameraX) / 640.0f;
        const float ndcY = (y - cameraY) / 360.0f;
        return {static_cast<int>((ndcX + 1.0f) * 0.5f * static_cast<float>(width)),
                static_cast<int>((ndcY + 1.0f) * 0.5f * static_cast<float>(height))};
    }

    static std::string SpriteObject(const std::string& name, const std::string& sprite) {
        return "\"" + name + "\": {\"Name\": \"" + name + "\", \"Type\": \"Default\", \"Active\": true, \"Sprite\": {" +
               sprite + "}}";
    }

    static constexpr Rgba kBackground = {201, 230, 240, 255};
};

// Colours equal within a tolerance per channel.
inline ::testing::AssertionResult Near(const std::array<int, 4>& want, const std::array<int, 4>& have,
                                       int tolerance = 2) {
    for (int i = 0; i < 4; ++i) {
        if (std::abs(want[i] - have[i]) > tolerance) {
            return ::testing::AssertionFailure()
                   << "want (" << want[0] << ", " << want[1] << ", " << want[2] << ", " << want[3] << ") have ("
                   << have[0] << ", " << have[1] << ", " << have[2] << ", " << have[3] << ")";
        }
    }
    return ::testing::AssertionSuccess();
}
