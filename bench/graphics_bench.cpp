// Drawing cost of a busy frame and the cost of loading the texture list, on the offscreen driver.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <epoxy/gl.h>

#include "core/startup.h"
#include "core/system_manager.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "graphics/font.h"
#include "graphics/font_manager.h"
#include "graphics/graphic_gl.h"
#include "graphics/texture_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point begin, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

// 200 sprites, animated and flat, and 4 texts with values, as a full level might show.
std::string BusyLevel() {
    std::string level = R"({"LevelSettings": {"cameraX": 0, "cameraY": 0, "cameraZ": 0, "gravity": 0, "AI file": ""})";
    for (int i = 0; i < 200; ++i) {
        const int x = (i % 20) * 120 - 1140, y = (i / 20) * 130 - 600;
        const bool sheet = i % 2 == 0;
        level += ", \"S" + std::to_string(i) + "\": {\"Name\": \"S" + std::to_string(i) +
                 "\", \"Type\": \"Default\", \"Active\": true, \"Sprite\": {\"textureId\": " + (sheet ? "3" : "0") +
                 ", \"isTexture\": true, \"isActive\": true, \"red\": 1, \"green\": 1, \"blue\": 1, \"alpha\": 0.9, "
                 "\"u\": " + (sheet ? "0.25" : "1") + ", \"v\": 1, \"x\": " + std::to_string(x) +
                 ", \"y\": " + std::to_string(y) + ", \"width\": 96, \"height\": 96}}";
    }
    for (int i = 0; i < 4; ++i) {
        level += ", \"T" + std::to_string(i) + "\": {\"Name\": \"T" + std::to_string(i) +
                 "\", \"Type\": \"Default\", \"Active\": true, \"Font\": {\"fontSize\": 0.001, \"text\": \"Player " +
                 std::to_string(i + 1) + " score %d\", \"textPosX\": " + std::to_string(-900 + i * 450) +
                 ", \"textPosY\": 500, \"alpha\": 1}}";
    }
    return level + "}";
}

void BusyFrame() {
    InResourcesCopy([] {
        platform::Install(std::make_unique<platform::ScriptedBackend>(true));
        if (StartUp()) {
            {
                std::FILE* file = std::fopen("Resources/levelData/busy.json", "w");
                const std::string text = BusyLevel();
                std::fwrite(text.data(), 1, text.size(), file);
                std::fclose(file);
            }
            GameStateManager::LoadLevel("Resources/levelData/busy.json");
            auto* renderer = FindRenderer();
            auto* fonts = FindFontManager();
            std::vector<double> frames;
            for (int frame = 0; frame < 300; ++frame) {
                for (Font* font : fonts->fonts) {
                    font->SetShownValue(0, frame);
                    font->isVisible = true;
                }
                const auto begin = Clock::now();
                renderer->Update(1.0 / 60.0);
                fonts->Update(1.0 / 60.0);
                glFinish();
                frames.push_back(Milliseconds(begin, Clock::now()));
            }
            ReportFigure("frame_200_sprites_4_texts_median", Median(frames), "ms", "<= 4");
            ReportFigure("frame_200_sprites_4_texts_p99", Percentile(frames, 0.99), "ms", "<= 4");
        }
        ResetEngine();
        platform::Uninstall();
    });
}

void TextureListLoad() {
    InResourcesCopy([] {
        platform::Install(std::make_unique<platform::ScriptedBackend>(true));
        if (StartUp()) {
            std::vector<double> loads;
            for (int run = 0; run < 20; ++run) {
                TextureManager::Destroy();
                const auto begin = Clock::now();
                TextureManager::GetInstance().Load();
                glFinish();
                loads.push_back(Milliseconds(begin, Clock::now()));
            }
            ReportFigure("texture_list_load_median", Median(loads), "ms", "<= 200");
        }
        ResetEngine();
        platform::Uninstall();
    });
}

const bool registered = RegisterFigureBenchmark("graphics_frame", BusyFrame) &&
                        RegisterFigureBenchmark("texture_load", TextureListLoad);

}  // namespace
