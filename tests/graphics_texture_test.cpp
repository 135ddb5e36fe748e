// The texture list as designers write it, mistakes included, and images of every kind the
// artists may hand in drawing the same colours.
#include <gtest/gtest.h>

#include <algorithm>

#include <FreeImage.h>

#include "graphics/sprite.h"
#include "graphics/texture_manager.h"
#include "graphics_fixture.h"

namespace {

class TextureListTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
    }

    // Loads the list and returns what was printed.
    std::string LoadList(const std::string& list) {
        WriteFile("Resources/levelData/texture.json", list);
        testing::internal::CaptureStdout();
        TextureManager::GetInstance().Load();
        return testing::internal::GetCapturedStdout();
    }

};

TEST_F(TextureListTest, SheetsGridsAndAnimationsAreReadAsWritten) {
    const std::string printed = LoadList(R"({
        "Resources/Textures/cells.png": {"T": {"ID": 3, "row": 2, "col": 4},
            "A": {"ID": 0, "startFrm": 0, "endFrm": 3, "frmTimer": 2},
            "B": {"ID": 2, "startFrm": 4, "endFrm": 7, "frmTimer": 5},
            "C": {"ID": 0, "startFrm": 1, "endFrm": 2, "frmTimer": 9}},
        "Resources/Textures/court.png": {"T": {"ID": 1, "row": -1, "col": -4}}
    })");
    EXPECT_EQ("", printed);
    auto& textures = TextureManager::GetInstance();
    const TextureData* sheet = textures.Find(3);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(2, sheet->rows);
    EXPECT_EQ(4, sheet->cols);
    EXPECT_FLOAT_EQ(0.25f, sheet->u);
    EXPECT_FLOAT_EQ(0.5f, sheet->v);
    ASSERT_EQ(3u, sheet->animations.size());
    // A later animation with the same index replaces the earlier one; gaps stay empty.
    ASSERT_NE(nullptr, sheet->animations[0]);
    EXPECT_EQ(1u, sheet->animations[0]->startFrm);
    EXPECT_EQ(9u, sheet->animations[0]->frmTimer);
    EXPECT_EQ(nullptr, sheet->animations[1]);
    EXPECT_EQ(4u, sheet->animations[2]->startFrm);

    // A tiled image: one cell, repeated four times across and once down.
    const TextureData* tiled = textures.Find(1);
    ASSERT_NE(nullptr, tiled);
    EXPECT_EQ(1, tiled->rows);
    EXPECT_EQ(1, tiled->cols);
    EXPECT_FLOAT_EQ(4, tiled->u);
    EXPECT_FLOAT_EQ(1, tiled->v);
    EXPECT_EQ(nullptr, textures.Find(0));
    EXPECT_EQ(nullptr, textures.Find(2));
}

TEST_F(TextureListTest, BrokenEntriesAreSkippedWithOneLineEachAndTheRestLoads) {
    WriteFile("Resources/Textures/notanimage.png", "this is text, not pixels");
    const struct {
        const char* path;
        std::string entry;
        const char* message;
    } broken[] = {
        {"Resources/Textures/white.png", R"({"T": {"ID": 4, "row": 0, "col": 3}})", "at least one row and one column"},
        {"Resources/Textures/ball.png", R"({"T": {"ID": 5, "row": 2, "col": 0}})", "at least one row and one column"},
        {"Resources/Textures/sky.png", R"({"T": {"ID": -1, "row": 1, "col": 1}})", "texture id -1 is outside"},
        {"Resources/Textures/testcard.png", R"({"T": {"ID": 2000000, "row": 1, "col": 1}})", "is outside"},
        {"Resources/Textures/missing.png", R"({"T": {"ID": 6, "row": 1, "col": 1}, "A": {"ID": 0}})", "left empty"},
        {"Resources/Textures/notanimage.png", R"({"T": {"ID": 7, "row": 1, "col": 1}})", "left empty"},
        {"Resources/Textures/bramble.png", R"("not an object")", "needs an object"},
    };
    // One broken entry per read: a read tells only its first few problems.
    for (const auto& entry : broken) {
        SCOPED_TRACE(entry.path);
        const std::string printed = LoadList(
            R"({"Resources/Textures/cells.png": {"T": {"ID": 2, "row": 2, "col": 4}}, ")" + std::string(entry.path) +
            "\": " + entry.entry + R"(, "Resources/Textures/court.png": {"T": {"ID": 8, "row": 1, "col": 1}}})");
        ASSERT_EQ(1, std::count(printed.begin(), printed.end(), '\n')) << printed;
        EXPECT_EQ(0u, printed.rfind("Resources/levelData/texture.json: ", 0)) << printed;
        EXPECT_NE(std::string::npos, printed.find(entry.path)) << printed;
        EXPECT_NE(std::string::npos, printed.find(entry.message)) << printed;
    }
    auto& textures = TextureManager::GetInstance();
    EXPECT_NE(nullptr, textures.Find(2));
    EXPECT_NE(nullptr, textures.Find(8));
    for (unsigned id : {4u, 5u, 6u, 7u}) EXPECT_EQ(nullptr, textures.Find(id)) << id;
    EXPECT_LE(textures.Size(), 9u);
}

TEST_F(TextureListTest, AnIdUsedTwiceKeepsTheLaterImageWithoutTheEarlierAnimations) {
    LoadList(R"({"Resources/Textures/cells.png": {"T": {"ID": 1, "row": 2, "col": 4}, "A": {"ID": 0, "endFrm": 3}},
                 "Resources/Textures/sky.png": {"T": {"ID": 1, "row": 1, "col": 1}}})");
    const TextureData* texture = TextureManager::GetInstance().Find(1);
    ASSERT_NE(nullptr, texture);
    EXPECT_EQ("Resources/Textures/sky.png", texture->path);
    EXPECT_TRUE(texture->animations.empty());
}

TEST_F(TextureListTest, AListThatDoesNotParseLoadsNothingAndIsLeftAsItWas) {
    const std::string broken = "{\"Resources/Textures/cells.png\": {\"T\": {\"ID\": 1,";
    const std::string printed = LoadList(broken);
    EXPECT_NE(std::string::npos, printed.find("Fail to unserialize textures"));
    EXPECT_EQ(0u, TextureManager::GetInstance().Size());
    EXPECT_EQ(broken, ReadFile("Resources/levelData/texture.json"));
}

// Images of every kind, made here through FreeImage, drawn through a sprite.
using TextureFormatTest = GraphicsTest;

FIBITMAP* Quadrants(const GraphicsTest::Rgba colours[4], int size) {
    FIBITMAP* bitmap = FreeImage_Allocate(size, size, 32);
    for (int y = 0; y < size; ++y) {
        BYTE* line = FreeImage_GetScanLine(bitmap, size - 1 - y);  // y from the top
        for (int x = 0; x < size; ++x) {
            const auto& c = colours[(y < size / 2 ? 0 : 2) + (x < size / 2 ? 0 : 1)];
            line[x * 4 + FI_RGBA_RED] = static_cast<BYTE>(c[0]);
            line[x * 4 + FI_RGBA_GREEN] = static_cast<BYTE>(c[1]);
            line[x * 4 + FI_RGBA_BLUE] = static_cast<BYTE>(c[2]);
            line[x * 4 + FI_RGBA_ALPHA] = static_cast<BYTE>(c[3]);
        }
    }
    return bitmap;
}

TEST_F(TextureFormatTest, EveryImageKindDrawsTheSameColoursTheRightWayUp) {
    const GraphicsTest::Rgba colour[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 255}};
    const GraphicsTest::Rgba grey[4] = {{32, 32, 32, 255}, {96, 96, 96, 255}, {160, 160, 160, 255}, {224, 224, 224, 255}};
    const struct {
        const char* file;
        FREE_IMAGE_FORMAT format;
        int bits;  // 32 RGBA, 24 RGB, 8 grey or palette
        bool greyscale;
        int tolerance;
        int size = 32;
    } kinds[] = {
        {"rgba.png", FIF_PNG, 32, false, 0},   {"rgb.png", FIF_PNG, 24, false, 0},
        {"grey.png", FIF_PNG, 8, true, 0},     {"palette.png", FIF_PNG, 8, false, 0},
        {"photo.jpg", FIF_JPEG, 24, false, 12},
        {"backdrop.png", FIF_PNG, 32, false, 0, 1100},  // larger than a page of the atlas
    };
    std::string list = "{";
    int id = 20;
    for (const auto& kind : kinds) {
        FIBITMAP* source = Quadrants(kind.greyscale ? grey : colour, kind.size);
        FIBITMAP* saved = source;
        if (kind.bits == 24) saved = FreeImage_ConvertTo24Bits(source);
        if (kind.bits == 8 && kind.greyscale) saved = FreeImage_ConvertToGreyscale(source);
        if (kind.bits == 8 && !kind.greyscale) {
            FIBITMAP* rgb = FreeImage_ConvertTo24Bits(source);
            saved = FreeImage_ColorQuantizeEx(rgb, FIQ_NNQUANT, 16);
            FreeImage_Unload(rgb);
            ASSERT_EQ(FIC_PALETTE, FreeImage_GetColorType(saved));
        }
        ASSERT_NE(nullptr, saved);
        const std::string path = (root_ / "Resources/Textures" / kind.file).string();
        ASSERT_TRUE(FreeImage_Save(kind.format, saved, path.c_str(), kind.format == FIF_JPEG ? JPEG_QUALITYSUPERB : 0));
        if (saved != source) FreeImage_Unload(saved);
        FreeImage_Unload(source);
        list += std::string(id == 20 ? "" : ", ") + "\"Resources/Textures/" + kind.file + "\": {\"T\": {\"ID\": " +
                std::to_string(id) + ", \"row\": 1, \"col\": 1}}";
        ++id;
    }
    WriteFile("Resources/levelData/texture.json", list + "}");

    StartEngine();
    id = 20;
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.file);
        GameStateManager::DestroyAllObjects();
        LoadLevel(SpriteObject("Picture", "\"isActive\": true, \"isTexture\": true, \"textureId\": " +
                                              std::to_string(id++) +
                                              ", \"width\": 400, \"height\": 400, \"u\": 1, \"v\": 1, \"red\": 1, "
                                              "\"green\": 1, \"blue\": 1, \"alpha\": 1") +
                  ", " + SpriteObject("Parked", "\"x\": -1200, \"width\": 1, \"height\": 1"));
        RunFrames();
        const GraphicsTest::Rgba* want = kind.greyscale ? grey : colour;
        const auto topLeft = WindowPoint(-100, 100);
        const auto topRight = WindowPoint(100, 100);
        const auto bottomLeft = WindowPoint(-100, -100);
        const auto bottomRight = WindowPoint(100, -100);
        EXPECT_TRUE(Near(want[0], Pixel(topLeft[0], topLeft[1]), kind.tolerance));
        EXPECT_TRUE(Near(want[1], Pixel(topRight[0], topRight[1]), kind.tolerance));
        EXPECT_TRUE(Near(want[2], Pixel(bottomLeft[0], bottomLeft[1]), kind.tolerance));
        EXPECT_TRUE(Near(want[3], Pixel(bottomRight[0], bottomRight[1]), kind.tolerance));
    }
}

TEST_F(TextureFormatTest, ATiledImageRepeatsAcrossTheSprite) {
    // The test card tiled twice across: its red top-left quadrant shows at a quarter and at
    // three quarters of the sprite's width.
    WriteFile("Resources/levelData/texture.json",
              R"({"Resources/Textures/testcard.png": {"T": {"ID": 1, "row": -1, "col": -2}}})");
    StartEngine();
    LoadLevel(SpriteObject("Wall", R"("isActive": true, "isTexture": true, "textureId": 1, "width": 800,
        "height": 400, "red": 1, "green": 1, "blue": 1, "alpha": 1)") +
              ", " + SpriteObject("Parked", "\"x\": -1200, \"width\": 1, \"height\": 1"));
    auto* sprite = GameStateManager::FindObjectByName("Wall")->Get<Sprite>(SPRITE);
    sprite->SetTexture(1);
    RunFrames();
    for (float x : {-350.0f, 50.0f}) {
        const auto at = WindowPoint(x, 150);
        EXPECT_TRUE(Near({255, 0, 0, 255}, Pixel(at[0], at[1]))) << x;
    }
    const auto green = WindowPoint(-150, 150);
    EXPECT_TRUE(Near({0, 255, 0, 255}, Pixel(green[0], green[1])));
}

}  // namespace
