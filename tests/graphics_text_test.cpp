// Text as players read it: graph values put into it, drawn where and in the colour the level
// says, only in frames that ask for it, with glyphs shared between texts.
#include <gtest/gtest.h>

#include "core/game_object.h"
#include "core/json_file.h"
#include "graphics/font.h"
#include "graphics/font_manager.h"
#include "graphics/text_values.h"
#include "graphics_fixture.h"

namespace {

TEST(TextValuesTest, CodesTakeTheNextValueOfTheirKind) {
    GameObject ball;
    ball.name = "Ball";
    TextValues values;
    values.intValues = {3, -12};
    values.floatValues = {0.5f, 1.0f / 3.0f};
    values.vec2Values = {{1.5f, -2}};
    values.boolValues = {true, false};
    values.stringValues = {"Red"};
    values.objectValues = {&ball, nullptr};
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Score %d : %d", "Score 3 : -12"},
        {"%f and %f", "0.5 and 0.333333"},
        {"at %v", "at 1.5, -2"},
        {"%b/%b", "true/false"},
        {"%s team wins", "Red team wins"},
        {"%x has it", "Ball has it"},
        {"%x%x|", "Ball|"},  // no object: nothing shown
        {"100% sure, %q stays", "100% sure, %q stays"},
        {"ends in %", "ends in %"},
        {"%d %d %d", "3 -12 "},  // more codes than values: the extra shows nothing
        {"%s %s", "Red "},
        {"%%d", "%3"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, SubstituteValues(c.text, values)) << c.text;
    EXPECT_EQ(std::string(), SubstituteValues("%d", TextValues())) << "no values at all: the code shows nothing";
}

TEST(TextValuesTest, SettingAValuePastTheEndGrowsTheListWithEmptyEntries) {
    TextValues values;
    values.SetShownValue(2, 7);
    EXPECT_EQ((std::vector<int>{0, 0, 7}), values.intValues);
    values.SetShownValue(3, 8);  // right after the end: appended
    values.SetShownValue(0, 1);
    EXPECT_EQ((std::vector<int>{1, 0, 7, 8}), values.intValues);
    values.SetShownValue(-1, 9);  // names no entry
    EXPECT_EQ(4u, values.intValues.size());
    values.SetShownValue(1, std::string("Blue"));
    EXPECT_EQ((std::vector<std::string>{"", "Blue"}), values.stringValues);
    values.SetShownValue(1, true);
    EXPECT_EQ((std::vector<bool>{false, true}), values.boolValues);
}

using TextTest = GraphicsTest;

// The box around every pixel of the given colour; empty (left > right) when there is none.
struct Box {
    int left = 1 << 20, bottom = 1 << 20, right = -1, top = -1;
    int count = 0;
};

Box FindColour(const GraphicsTest::Rgba& colour) {
    std::vector<unsigned char> pixels(1280 * 720 * 4);
    glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    Box box;
    for (int y = 0; y < 720; ++y) {
        for (int x = 0; x < 1280; ++x) {
            const unsigned char* p = &pixels[static_cast<size_t>(y * 1280 + x) * 4];
            if (std::abs(p[0] - colour[0]) < 8 && std::abs(p[1] - colour[1]) < 8 && std::abs(p[2] - colour[2]) < 8) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.bottom = std::min(box.bottom, y);
                box.top = std::max(box.top, y);
                ++box.count;
            }
        }
    }
    return box;
}

const char* kScoreText = R"("Score": {"Name": "Score", "Type": "Default", "Active": true, "Font": {"fontSize": 0.002,
    "text": "%d", "textPosX": 100, "textPosY": -50, "red": 0.8, "green": 0.1, "blue": 0.1, "alpha": 1,
    "ttfFile": "Resources/Fonts/PixelTechnology.ttf"}})";

TEST_F(TextTest, AShownValueIsDrawnWhereAndInTheColourTheLevelSays) {
    StartEngine();
    LoadLevel(kScoreText);
    Font* score = GameStateManager::FindObjectByName("Score")->Get<Font>(FONT);
    ASSERT_NE(nullptr, score);
    ASSERT_TRUE(score->loaded);
    score->SetShownValue(0, 8);
    score->needsRefresh = true;
    score->isVisible = true;
    RunFrames();
    const GraphicsTest::Rgba red = {204, 26, 26, 255};
    const Box drawn = FindColour(red);
    ASSERT_GT(drawn.count, 20);

    // The glyph's box in font units, scaled by the font size; heights follow the 16:9 view.
    const Character& eight = score->glyphs->glyphs.at('8');
    const float left = (100 + eight.bearingX) * 0.002f, right = left + eight.width * 0.002f;
    const float top = (-50 + eight.bearingY) * 0.002f * 1280.0f / 720.0f;
    const float bottom = top - eight.height * 0.002f * 1280.0f / 720.0f;
    EXPECT_NEAR((left + 1) * 640, drawn.left, 2);
    EXPECT_NEAR((right + 1) * 640, drawn.right + 1, 2);
    EXPECT_NEAR((top + 1) * 360, drawn.top + 1, 2);
    EXPECT_NEAR((bottom + 1) * 360, drawn.bottom, 2);
    EXPECT_EQ("8", score->shownText);

    // The same digit written into the text draws the same picture.
    score->text = "8";
    score->isVisible = true;
    RunFrames();
    const Box literal = FindColour(red);
    EXPECT_EQ(drawn.count, literal.count);
    EXPECT_EQ(drawn.left, literal.left);
    EXPECT_EQ(drawn.top, literal.top);
}

TEST_F(TextTest, TextShowsOnlyInFramesThatAskForIt) {
    StartEngine();
    LoadLevel(kScoreText);
    Font* score = GameStateManager::FindObjectByName("Score")->Get<Font>(FONT);
    score->text = "Goal %d";
    const GraphicsTest::Rgba red = {204, 26, 26, 255};
    const struct {
        bool askedFor;
        bool seen;
    } frames[] = {{true, true}, {false, false}, {false, false}, {true, true}, {true, true}, {false, false}};
    for (const auto& frame : frames) {
        score->isVisible = frame.askedFor;
        RunFrames();
        EXPECT_EQ(frame.seen, FindColour(red).count > 0);
        EXPECT_FALSE(score->isVisible);
    }
    // A value missing from its list shows nothing rather than something read out of range.
    EXPECT_EQ("Goal ", score->shownText);
}

TEST_F(TextTest, ALineEndStartsTheNextLineBelowAtTheSameLeftEdge) {
    StartEngine();
    LoadLevel(kScoreText);
    Font* score = GameStateManager::FindObjectByName("Score")->Get<Font>(FONT);
    const GraphicsTest::Rgba red = {204, 26, 26, 255};
    score->text = "I";
    score->isVisible = true;
    RunFrames();
    const Box one = FindColour(red);
    score->text = "I\nI";
    score->isVisible = true;
    RunFrames();
    const Box two = FindColour(red);
    EXPECT_EQ(one.left, two.left);
    EXPECT_EQ(one.right, two.right);
    EXPECT_EQ(one.top, two.top);
    // The second line lies wholly below the first.
    EXPECT_LT(two.bottom, one.bottom - (one.top - one.bottom));
}

TEST_F(TextTest, TextsShareTheirGlyphsAndReleaseThemWithTheManager) {
    StartEngine();
    auto* manager = FindFontManager();
    unsigned glyphTexture = 0;
    for (int level = 0; level < 3; ++level) {
        GameStateManager::DestroyAllObjects();
        LoadLevel(std::string(kScoreText) + R"(, "Other": {"Name": "Other", "Type": "Default", "Active": true,
            "Font": {"fontSize": 0.001, "text": "x", "alpha": 1}})");
        Font* score = GameStateManager::FindObjectByName("Score")->Get<Font>(FONT);
        Font* other = GameStateManager::FindObjectByName("Other")->Get<Font>(FONT);
        EXPECT_EQ(score->glyphs, other->glyphs);
        if (level == 0) glyphTexture = score->glyphs->glyphs.at('A').texture;
        EXPECT_EQ(glyphTexture, score->glyphs->glyphs.at('A').texture);
        EXPECT_EQ(1u, manager->glyphCache.Size());

        // A copy shares the glyphs too; dropping it leaves them to the rest.
        std::unique_ptr<IGameComponent> copy(score->Clone());
        copy.reset();
        EXPECT_TRUE(glIsTexture(glyphTexture));
        score->text = "Level";
        score->isVisible = true;
        RunFrames();
        EXPECT_GT(FindColour({204, 26, 26, 255}).count, 0);
    }
    GameStateManager::DestroyAllObjects();
    EXPECT_TRUE(manager->fonts.empty());
    SystemManager::GetInstance().AddSystem(new FontManager());  // the old manager is deleted
    EXPECT_FALSE(glIsTexture(glyphTexture));
}

TEST_F(TextTest, AFontFileThatCannotBeOpenedKeepsTheGlyphsInUse) {
    StartEngine();
    testing::internal::CaptureStdout();
    LoadLevel(R"("Sign": {"Name": "Sign", "Type": "Default", "Active": true, "Font": {"fontSize": 0.002,
        "text": "Hi", "textPosX": "left", "alpha": 1, "ttfFile": "Resources/Fonts/NoSuchFont.ttf"}})");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, printed.find("Failed to initialise face."));
    EXPECT_NE(std::string::npos,
              printed.find("Resources/levelData/test_level.json: Font: \"textPosX\" must be a number, not string"))
        << "a bad setting names the level file: " << printed;
    Font* sign = GameStateManager::FindObjectByName("Sign")->Get<Font>(FONT);
    EXPECT_TRUE(sign->loaded);
    ASSERT_NE(nullptr, sign->glyphs);
    EXPECT_EQ(95u, sign->glyphs->glyphs.size());
}

TEST_F(TextTest, AWrittenTextReadsBackTheSame) {
    StartEngine();
    const std::string settings = R"({"fontSize": 0.0015, "text": "Player %d\nready", "textPosX": -300.5,
        "textPosY": 120, "red": 1, "green": 0.5, "blue": 0.25, "alpha": 0.75,
        "ttfFile": "Resources/Fonts/PixelTechnology.ttf"})";
    auto write = [](const Font& font) {
        rapidjson::StringBuffer buffer;
        json::Writer writer(buffer);
        font.Serialize(writer);
        return std::string(buffer.GetString());
    };
    auto read = [](const std::string& text) {
        JsonFile file;
        EXPECT_TRUE(file.Parse("{\"Font\": " + text + "}", "font"));
        auto font = std::make_unique<Font>();
        font->Unserialize(*json::MemberAt(file.Doc(), 0));
        return font;
    };
    auto first = read(settings);
    EXPECT_EQ("Player %d\nready", first->text);
    EXPECT_FLOAT_EQ(0.0015f, first->matrix[0]);
    EXPECT_FLOAT_EQ(-300.5f, first->textPosX);
    const std::string written = write(*first);
    EXPECT_EQ(written, write(*read(written)));
    EXPECT_LT(written.find("\"fontSize\""), written.find("\"text\""));
    EXPECT_LT(written.find("\"alpha\""), written.find("\"ttfFile\""));
}

}  // namespace
