// The menus and the character selection played end to end on the real content: the scripted
// backend with offscreen GL feeds keys frame by frame, and pictures are read back.
#include <gtest/gtest.h>

#include <epoxy/gl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "audio/sound_system.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "graph/ai_manager.h"
#include "graph/behaviour_tree.h"
#include "graph/node.h"
#include "graph/node_helpers.h"
#include "graphics/font.h"
#include "graphics/game_window.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "platform/virtual_keys.h"
#include "support/game_test.h"

namespace {

namespace vk = platform::vk;

struct Rgba {
    int r, g, b;
};

class GameMenus : public GameTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        StartGame();
        Frames(3);
    }

    // Presses a key that leads to another state, and lets the game get there.
    bool PressAndEnter(int key, int maxFrames = 120) {
        scripted->SetKey(key, true);
        bool running = systems.RunFrame();
        scripted->SetKey(key, false);
        for (int i = 0; running && i < maxFrames; ++i) running = systems.RunFrame();
        if (running) return false;
        if (!systems.EndPass()) return false;
        systems.BeginPass();
        return true;
    }

    // How many objects run a graph that reads every player's menu keys.
    static int MenuReaders() {
        int readers = 0;
        for (const AI_Component* component : TheAiManager()->Components()) {
            for (const auto& node : component->tree->nodes) {
                if (node && (node->type == kMenuMovementNode || node->type == kIsPauseTriggeredNode)) {
                    ++readers;
                    break;
                }
            }
        }
        return readers;
    }
    static bool Shown(const std::string& name) {
        const GameObject* object = Named(name);
        const Sprite* sprite = object ? object->Get<Sprite>(SPRITE) : nullptr;
        return sprite && sprite->active;
    }
    static int MenuSelection() {
        const AI_Component* menu = Named("Menu")->Get<AI_Component>(AI_COMPONENT);
        return *LookupVariableByName<int>(menu->tree->globalStore.get(), "Selection");
    }
    // The colour drawn at a point of the 1280 by 720 view, (0, 0) at its centre.
    static Rgba At(int x, int y) {
        unsigned char p[4] = {};
        glReadPixels(640 + x, 360 + y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    static bool Near(Rgba want, Rgba have) {
        return std::abs(want.r - have.r) < 24 && std::abs(want.g - have.g) < 24 && std::abs(want.b - have.b) < 24;
    }
    // A left click at a point of the view, (0, 0) at its centre, held for a few frames.
    void Click(int x, int y) {
        scripted->PushEvent({platform::EventKind::MouseMove, 0, 640 + x, 360 - y});
        Frames(2);
        scripted->SetKey(vk::kLButton, true);
        Frames(4);
        scripted->SetKey(vk::kLButton, false);
        Frames(3);
    }
    // The text an object drew last.
    static std::string TextOf(const std::string& name) {
        const GameObject* object = Named(name);
        const Font* font = object ? object->Get<Font>(FONT) : nullptr;
        return font ? font->shownText : "";
    }
    static float ScaleOf(const std::string& name) {
        const GameObject* object = Named(name);
        const Sprite* sprite = object ? object->Get<Sprite>(SPRITE) : nullptr;
        return sprite ? sprite->scaleX : 0;
    }

    // Whether the open page's heading lies in the panel's body: no text on the white band
    // across the panel's top, and text just under it.
    static ::testing::AssertionResult HeadingInTheBody() {
        constexpr int kLeft = -330, kWidth = 660, kLow = 40, kHigh = 170;  // inside the frame
        std::vector<unsigned char> area(kWidth * (kHigh - kLow) * 4);
        glReadPixels(640 + kLeft, 360 + kLow, kWidth, kHigh - kLow, GL_RGBA, GL_UNSIGNED_BYTE, area.data());
        const auto at = [&](int x, int y) { return &area[((y - kLow) * kWidth + (x - kLeft)) * 4]; };
        const auto text = [](const unsigned char* p) {
            return std::abs(p[0] - 33) < 12 && std::abs(p[1] - 28) < 12 && std::abs(p[2] - 41) < 12;
        };
        int bandBottom = 0, bandRows = 0;
        for (int y = kLow; y < kHigh; ++y) {
            const unsigned char* edge = at(kLeft + kWidth - 1, y);
            if (edge[0] < 253 || edge[1] < 253 || edge[2] < 250) continue;  // not the white band
            ++bandRows;
            bandBottom = bandBottom ? std::min(bandBottom, y) : y;
            for (int x = kLeft; x < kLeft + kWidth; ++x) {
                if (text(at(x, y))) return ::testing::AssertionFailure() << "text on the band at " << x << ", " << y;
            }
        }
        if (bandRows == 0) return ::testing::AssertionFailure() << "no white band";
        for (int y = std::max(kLow, bandBottom - 40); y < bandBottom; ++y) {
            for (int x = kLeft; x < kLeft + kWidth; ++x) {
                if (text(at(x, y))) return ::testing::AssertionSuccess();
            }
        }
        return ::testing::AssertionFailure() << "no heading under the band";
    }

    static constexpr Rgba kMarker{214, 60, 56};
    static constexpr Rgba kButton{236, 176, 80};

};

// Pixels in the colour of the menu's text, over the whole view.
int TextPixels() {
    std::vector<unsigned char> view(1280 * 720 * 4);
    glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, view.data());
    int count = 0;
    for (size_t i = 0; i < view.size(); i += 4) {
        if (std::abs(view[i] - 33) < 12 && std::abs(view[i + 1] - 28) < 12 && std::abs(view[i + 2] - 41) < 12) ++count;
    }
    return count;
}

// The first frame of the main menu, at start-up and back from a level, shows only the menu:
// a page's text is drawn no sooner than its page opens.
using GameMenuEntry = GameTest;

TEST_F(GameMenuEntry, TheFirstFrameShowsNoPagesText) {
    StartGame();
    for (int entry = 0; entry < 2; ++entry) {
        if (entry == 1) {
            EnterState(Level_1, {{0, LadyRed}});
            Frames(5);
            EnterState(MainMenu);
        }
        ASSERT_TRUE(systems.RunFrame());
        const int first = TextPixels();
        Frames(10);
        const int settled = TextPixels();
        EXPECT_GT(settled, 0) << "the menu's own text is drawn";
        EXPECT_LT(first, settled + settled / 10) << (entry ? "back from a level" : "at start-up");
    }
}

// Every page, opened by its key, is whole in the first frame that shows it: its panel, its
// texts and the cursor on its first choice, drawn as they stay once the page has settled.
// Graphs run in the order their objects are listed, so the main menu lists the menu's object
// first: the graphs that show a page's text, its items and the cursor run after the menu has
// opened the page and moved the choice, in the same frame.
struct PageOpening {
    const char* page;         // the object whose sprite is the page's panel
    std::vector<int> before;  // keys that lead to the page's opening key
    int key;                  // the key that opens the page
    int left, bottom, right, top;  // the panel in the view, (0, 0) at its centre
    bool marked;              // the menu's arrow marks the first choice, at (markX, markY)
    int markX, markY;
};
void PrintTo(const PageOpening& opening, std::ostream* out) { *out << opening.page; }

class GamePageOpening : public GameMenus, public ::testing::WithParamInterface<PageOpening> {
protected:
    // The panel's pixels as drawn in the last frame.
    static std::vector<unsigned char> Panel(const PageOpening& page) {
        const int width = page.right - page.left, height = page.top - page.bottom;
        std::vector<unsigned char> pixels(static_cast<size_t>(width * height * 4));
        glReadPixels(640 + page.left, 360 + page.bottom, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    // Pixels that differ between two pictures of the panel by more than the smoothing of an edge.
    static int Differing(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
        int count = 0;
        for (size_t i = 0; i < a.size(); i += 4) {
            if (std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]) > 24) ++count;
        }
        return count;
    }
};

TEST_P(GamePageOpening, IsWholeFromItsFirstFrame) {
    const PageOpening& page = GetParam();
    if (std::string(page.page) == "PauseOverlay") {
        EnterState(Level_1, {{0, LadyRed}, {1, BoxerBlue}});
        Frames(30);  // the characters land
    }
    for (int key : page.before) Press(key);
    ASSERT_FALSE(Shown(page.page));

    // The key is read in the frame after the one that sees it pressed; the page shows then.
    scripted->SetKey(page.key, true);
    Frames(1);
    scripted->SetKey(page.key, false);
    Frames(1);
    ASSERT_TRUE(Shown(page.page)) << "the page opens in the frame that reads its key";
    const std::vector<unsigned char> first = Panel(page);
    const bool markedFirst = !page.marked || Near(kMarker, At(page.markX, page.markY));

    Frames(6);
    const std::vector<unsigned char> settled = Panel(page);
    EXPECT_TRUE(markedFirst) << "the cursor stands at the first choice in the first frame";
    EXPECT_TRUE(!page.marked || Near(kMarker, At(page.markX, page.markY))) << "and stays there";
    const int area = (page.right - page.left) * (page.top - page.bottom);
    EXPECT_LT(Differing(first, settled), area / 200)
        << "pixels of the panel that the first frame drew otherwise than the settled page (texts, cursor)";
}

const PageOpening kPageOpenings[] = {
    {"HowPage1", {'S'}, vk::kReturn, -360, -240, 360, 160, true, 165, -186},
    {"HowPage2", {'S', vk::kReturn}, vk::kReturn, -360, -240, 360, 160, true, 165, -186},
    {"OptionsPage", {'S', 'S'}, vk::kReturn, -360, -240, 360, 160, true, -302, 46},
    {"CreditsPage", {'S', 'S', 'S'}, vk::kReturn, -360, -240, 360, 160, true, -315, -186},
    {"QuitBox", {'W'}, vk::kReturn, -210, -180, 210, 20, true, -82, -130},
    {"PauseOverlay", {}, 'P', -640, -360, 640, 360, false, 0, 0},
};
INSTANTIATE_TEST_SUITE_P(Pages, GamePageOpening, ::testing::ValuesIn(kPageOpenings),
                         [](const ::testing::TestParamInfo<PageOpening>& info) { return std::string(info.param.page); });

TEST_F(GameMenus, FromTheMainMenuThroughTheSelectionIntoLevelOne) {
    ASSERT_EQ(MainMenu, GameStateManager::currentState);
    EXPECT_TRUE(Near({236, 176, 80}, At(-85, 60))) << "the Start button is on screen";
    EXPECT_TRUE(Near({236, 176, 80}, At(-85, -180))) << "the Quit button is on screen";
    EXPECT_TRUE(SoundSystem::GetInstance().IsPlaying("MenuTheme"));
    EXPECT_EQ(1, MenuReaders()) << "one key press moves the menu once";

    // A click where the Credits button is drawn opens the credits; Escape closes them.
    scripted->PushEvent({platform::EventKind::MouseMove, 0, 640, 360 + 120});
    scripted->SetKey(vk::kLButton, true);
    Frames(4);
    scripted->SetKey(vk::kLButton, false);
    Frames(3);
    EXPECT_TRUE(Shown("CreditsPage")) << "the click lands on what is drawn under the mouse";
    Press(vk::kEscape);
    EXPECT_FALSE(Shown("CreditsPage"));
    scripted->PushEvent({platform::EventKind::MouseMove, 0, 0, 0});
    while (MenuSelection() != 0) Press('W');

    // How To Play: two pages, then back.
    Press('S');
    EXPECT_EQ(1, MenuSelection());
    Press(vk::kReturn);
    EXPECT_TRUE(Shown("HowPage1"));
    Press(vk::kReturn);
    EXPECT_FALSE(Shown("HowPage1"));
    EXPECT_TRUE(Shown("HowPage2"));
    Press(vk::kEscape);
    EXPECT_FALSE(Shown("HowPage2"));
    EXPECT_EQ(1, MenuSelection());

    // Options: the volume goes down a step, then back.
    Press('S');
    EXPECT_EQ(9, MenuSelection());
    Press(vk::kReturn);
    EXPECT_TRUE(Shown("OptionsPage"));
    Press('S');
    Press('S');
    EXPECT_EQ(13, MenuSelection());
    Press(vk::kReturn);
    auto& device = platform::Current().GetSound();
    EXPECT_NEAR(0.9, device.GroupVolume(platform::SoundGroup::Music), 1e-5);
    EXPECT_NEAR(0.9, device.GroupVolume(platform::SoundGroup::Effects), 1e-5);
    Press(vk::kEscape);
    EXPECT_FALSE(Shown("OptionsPage"));
    EXPECT_EQ(9, MenuSelection());

    // Start.
    Press('W');
    Press('W');
    EXPECT_EQ(0, MenuSelection());
    ASSERT_TRUE(PressAndEnter(vk::kReturn));
    ASSERT_EQ(Selection, GameStateManager::currentState);
    Frames(2);
    EXPECT_EQ(1, MenuReaders()) << "only the selection's level object reads the Exit key";
    EXPECT_NE(*ObjectVariable<bool>(Named("Player1"), "red"), *ObjectVariable<bool>(Named("Player2"), "red"))
        << "players 1 and 2 play on different teams";

    // Player 1 (red) picks the boxer, player 2 (blue) the ninja; the portrait follows.
    const Rgba blank = At(-450, 90);
    Press('D');
    Press('D');
    EXPECT_FALSE(Near(blank, At(-450, 90))) << "player 1's portrait shows the pick";
    Press(vk::kLeft);
    EXPECT_EQ(NinjaBlue, *ObjectVariable<int>(Named("Player2"), "selection"));
    Press(vk::kSpace);
    Press('K');
    auto& characters = GameStateManager::Instance().playerCharacters;
    EXPECT_EQ(BoxerRed, characters[0]);
    EXPECT_EQ(NinjaBlue, characters[1]);

    // The stage: Down goes on to Level_2 and Up back to Level_1, with its preview.
    Press('S');
    EXPECT_EQ(66u, Named("StagePreview")->Get<Sprite>(SPRITE)->state.textureId);
    Press('W');
    EXPECT_EQ(65u, Named("StagePreview")->Get<Sprite>(SPRITE)->state.textureId);

    // Player 1 jumps again to start; the loading screen fades into the level.
    ASSERT_TRUE(PressAndEnter(vk::kSpace));
    ASSERT_EQ(Level_1, GameStateManager::currentState);
    const struct {
        const char* name;
        Vec2 start;
    } players[] = {{"BoxerRed0", {20, -60}}, {"NinjaBlue1", {700, -60}}};
    for (const auto& player : players) {
        GameObject* character = Named(player.name);
        ASSERT_NE(nullptr, character) << player.name;
        EXPECT_EQ(player.start, character->Get<Body>(BODY)->Position()) << player.name;
    }
    Frames(2);
    EXPECT_EQ(15u, Named("Background")->Get<Sprite>(SPRITE)->state.textureId) << "the chosen background";
    EXPECT_EQ("", CompareTrees(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources"))
        << "the three levels and their graphs are committed as the game rewrites them";
}

TEST_F(GameMenus, EscapeInTheSelectionGoesBackToTheMainMenu) {
    ASSERT_TRUE(PressAndEnter(vk::kReturn));
    ASSERT_EQ(Selection, GameStateManager::currentState);
    Frames(2);
    Press('D');  // player 1 looks at a character, then everyone leaves
    ASSERT_TRUE(PressAndEnter(vk::kEscape));
    EXPECT_EQ(MainMenu, GameStateManager::currentState);
    EXPECT_EQ(None, GameStateManager::Instance().playerCharacters[0]);
}

TEST_F(GameMenus, QuitThenYesEndsTheGame) {
    Press('W');
    EXPECT_EQ(3, MenuSelection());
    Press(vk::kReturn);
    EXPECT_TRUE(Shown("QuitBox"));
    EXPECT_EQ(6, MenuSelection()) << "No is offered first";
    Press('W');
    EXPECT_EQ(5, MenuSelection());
    scripted->SetKey(vk::kReturn, true);
    bool running = true;
    for (int i = 0; running && i < 10; ++i) running = systems.RunFrame();
    EXPECT_FALSE(running);
    EXPECT_FALSE(systems.EndPass()) << "the main loop ends, with exit code 0";
}

// Up and down the main menu: the marker stands beside every entry, Options too, and the chosen
// button pulses while the one left behind is back at its size.
TEST_F(GameMenus, TheMarkerAndThePulseFollowTheChoiceThroughEveryEntry) {
    const struct {
        const char* button;
        int y;
    } entries[] = {{"StartButton", 60},   {"HowToPlayButton", 0}, {"OptionsButton", -60},
                   {"CreditsButton", -120}, {"QuitButton", -180},  {"StartButton", 60}};
    const char* previous = nullptr;
    for (const auto& entry : entries) {
        if (previous) Press('S');
        float largest = 0;
        for (int i = 0; i < 12; ++i) {
            Frames(1);
            largest = std::max(largest, ScaleOf(entry.button));
            if (previous) {
                ASSERT_EQ(1.0f, ScaleOf(previous)) << previous << " is back at its size";
            }
        }
        EXPECT_TRUE(Near(kMarker, At(-140, entry.y))) << "the marker beside " << entry.button;
        EXPECT_GT(largest, 1.1f) << entry.button << " pulses";
        previous = entry.button;
    }
}

// A page lies over the menu buttons: clicks there reach only the page's own items, and the
// quit box's Yes and No answer where they are drawn.
TEST_F(GameMenus, AnOpenPageTakesOnlyTheClicksOfItsOwnItems) {
    Click(0, 0);  // How To Play
    ASSERT_TRUE(Shown("HowPage1"));
    Click(0, -60);  // on the page, over the Options button
    EXPECT_TRUE(Shown("HowPage1"));
    EXPECT_FALSE(Shown("OptionsPage")) << "the button under the page takes no click";
    Click(240, -186);  // Next
    EXPECT_TRUE(Shown("HowPage2"));
    Click(-240, -186);  // Menu
    EXPECT_FALSE(Shown("HowPage1") || Shown("HowPage2"));
    EXPECT_EQ(1, MenuSelection());
    EXPECT_TRUE(Near(kButton, At(-85, -60))) << "the menu buttons are back";

    Click(0, -120);  // Credits, closed by its own Back
    ASSERT_TRUE(Shown("CreditsPage"));
    Click(-240, -186);
    EXPECT_FALSE(Shown("CreditsPage"));

    Click(0, -180);  // Quit
    ASSERT_TRUE(Shown("QuitBox"));
    EXPECT_FALSE(Near(kButton, At(-85, 60))) << "no bare button bar above the box";
    EXPECT_FALSE(Near(kButton, At(-85, -200))) << "nor below it";
    Click(0, -130);  // No, drawn over the Credits button
    EXPECT_FALSE(Shown("QuitBox"));
    EXPECT_FALSE(Shown("CreditsPage"));
    EXPECT_EQ(3, MenuSelection());

    Click(0, -180);
    ASSERT_TRUE(Shown("QuitBox"));
    scripted->PushEvent({platform::EventKind::MouseMove, 0, 640, 360 + 70});  // Yes
    Frames(2);
    scripted->SetKey(vk::kLButton, true);
    bool running = true;
    for (int i = 0; running && i < 10; ++i) running = systems.RunFrame();
    EXPECT_FALSE(running) << "Yes ends the game";
}

// Every page's heading sits in the panel's body, under its white top band.
TEST_F(GameMenus, EachPagesHeadingSitsInThePanelsBody) {
    Press('S');
    Press(vk::kReturn);
    ASSERT_TRUE(Shown("HowPage1"));
    Frames(2);
    EXPECT_TRUE(HeadingInTheBody()) << "How To Play 1/2";
    Press(vk::kReturn);  // Next
    ASSERT_TRUE(Shown("HowPage2"));
    Frames(2);
    EXPECT_TRUE(HeadingInTheBody()) << "How To Play 2/2";
    Press(vk::kEscape);
    ASSERT_FALSE(Shown("HowPage2"));
    while (MenuSelection() != 9) Press('S');
    Press(vk::kReturn);
    ASSERT_TRUE(Shown("OptionsPage"));
    Frames(2);
    EXPECT_TRUE(HeadingInTheBody()) << "Options";
    Press(vk::kEscape);
    ASSERT_FALSE(Shown("OptionsPage"));
    Click(0, -120);
    ASSERT_TRUE(Shown("CreditsPage"));
    Frames(2);
    EXPECT_TRUE(HeadingInTheBody()) << "Credits";
}

// How To Play draws its two items with the marker on the current one; each page's right item
// says where it leads, and page 2 tells the three skills apart.
TEST_F(GameMenus, HowToPlayShowsItsItemsAndWhereTheKeysAre) {
    Press('S');
    Press(vk::kReturn);
    ASSERT_TRUE(Shown("HowPage1"));
    Frames(2);
    EXPECT_TRUE(Near(kMarker, At(165, -186))) << "the marker on Next";
    EXPECT_TRUE(Near(kButton, At(195, -186))) << "Next is drawn";
    EXPECT_TRUE(Near(kButton, At(-280, -186))) << "Menu is drawn";
    EXPECT_NE(std::string::npos, TextOf("HowPage1").find("Jump    Space  K       Num0    Insert"));
    Press('D');
    Frames(2);
    EXPECT_TRUE(Near(kMarker, At(-315, -186))) << "the marker moved to Menu";
    EXPECT_FALSE(Near(kMarker, At(165, -186)));
    Press(vk::kReturn);
    EXPECT_FALSE(Shown("HowPage1"));
    EXPECT_EQ(1, MenuSelection()) << "Menu leads back to the menu";

    Press(vk::kReturn);
    Press(vk::kReturn);  // Next
    ASSERT_TRUE(Shown("HowPage2"));
    Frames(2);
    EXPECT_TRUE(Near(kMarker, At(165, -186)));
    EXPECT_EQ("Page 1", TextOf("HowPage1Button"));
    for (const char* skill : {"shield that sends punches back", "both sides", "marker"}) {
        EXPECT_NE(std::string::npos, TextOf("HowPage2").find(skill)) << skill;
    }
    Press(vk::kReturn);  // Page 1
    EXPECT_TRUE(Shown("HowPage1"));
    EXPECT_FALSE(Shown("HowPage2"));
}

// Options shows its items with the marker, the volume as it changes and whether the window is
// full screen; both come back as they were after the game has been elsewhere.
TEST_F(GameMenus, OptionsShowsTheVolumeAndTheScreenModeAsTheyAre) {
    auto* window = systems.Get<GameWindow>(GAME_WINDOW);
    auto& sound = platform::Current().GetSound();
    const auto openOptions = [&] {
        while (MenuSelection() != 9) Press('S');
        Press(vk::kReturn);
        Frames(3);
        ASSERT_TRUE(Shown("OptionsPage"));
    };
    openOptions();
    EXPECT_TRUE(Near(kMarker, At(-302, 46))) << "the marker on Full screen";
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Full screen on: true"));
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Volume: 10 of 10"));

    Press('S');
    Press('S');  // Volume down
    Frames(2);
    EXPECT_TRUE(Near(kMarker, At(-302, -28))) << "the marker on Volume down";
    for (int i = 0; i < 3; ++i) Press(vk::kReturn);
    Frames(3);
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Volume: 7 of 10")) << TextOf("OptionsPage");
    EXPECT_NEAR(0.7, sound.GroupVolume(platform::SoundGroup::Music), 1e-5);
    for (int i = 0; i < 9; ++i) Press(vk::kReturn);
    Frames(3);
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Volume: 0 of 10")) << "silence is shown as 0";
    Press('W');  // Volume up
    Press(vk::kReturn);
    Press(vk::kReturn);
    Press('W');  // Full screen
    Press(vk::kReturn);
    Frames(3);
    ASSERT_FALSE(window->isFullScreen);
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Full screen on: false"));
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Volume: 2 of 10"));
    Press(vk::kEscape);

    // A match ends on a win screen, which goes back to the menu.
    EnterState(WinRed);
    Frames(3);
    ASSERT_TRUE(PressAndEnter(vk::kEscape));
    ASSERT_EQ(MainMenu, GameStateManager::currentState);
    Frames(3);
    openOptions();
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Full screen on: false")) << TextOf("OptionsPage");
    EXPECT_NE(std::string::npos, TextOf("OptionsPage").find("Volume: 2 of 10"));
    EXPECT_NEAR(0.2, sound.GroupVolume(platform::SoundGroup::Music), 1e-5);
    Press('S');
    Press('S');
    Press(vk::kReturn);  // Volume down steps from the volume the player set
    EXPECT_NEAR(0.1, sound.GroupVolume(platform::SoundGroup::Music), 1e-5);
}

}  // namespace
