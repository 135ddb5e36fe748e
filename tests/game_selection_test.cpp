// The character selection played end to end on the real content, entered from the main menu:
// scripted keys held across frames, and what the screen shows read back from the picture.
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "support/match_fixture.h"

namespace {

namespace vk = platform::vk;

struct Rgb {
    int r, g, b;
};
bool SameColour(Rgb want, Rgb have) {
    return std::abs(want.r - have.r) < 24 && std::abs(want.g - have.g) < 24 && std::abs(want.b - have.b) < 24;
}

const Rgb kReadyGreen = {92, 196, 96};
const Rgb kPlateInk = {34, 28, 40};
const Rgb kLetterCream = {250, 240, 214};

class GameSelection : public MatchTest {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        StartGame();
        Frames(3);
    }

    // One press of `key`, then frames until the state changes (true) or `maxFrames` ran.
    bool PressAndFollow(int key, int maxFrames) {
        stateChanged = false;
        scripted->SetKey(key, true);
        Until([this] { return stateChanged; }, 1);
        scripted->SetKey(key, false);
        return Until([this] { return stateChanged; }, maxFrames);
    }
    // Start in the main menu (its cursor waits there) opens the selection.
    void OpenTheSelection() {
        ASSERT_EQ(MainMenu, GameStateManager::currentState);
        ASSERT_TRUE(PressAndFollow(vk::kReturn, 10));
        ASSERT_EQ(Selection, GameStateManager::currentState);
        Frames(2);
    }

    // The colour drawn at a point of the 1280 by 720 view, (0, 0) at its centre.
    static Rgb At(int x, int y) {
        unsigned char p[4] = {};
        glReadPixels(640 + x, 360 + y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    // A pixel of player 1's portrait as its art is drawn: 48 by 48 cells, four units a pixel,
    // centred on (-450, 90).
    static Rgb PortraitPixel(int artX, int artY) { return At(-450 - 96 + artX * 4 + 2, 90 + 96 - artY * 4 - 2); }
    static bool ShowsReady() { return SameColour(kReadyGreen, PortraitPixel(4, 4)); }

    // The band under the stage preview where the stage's name is written, as light or dark pixels.
    static std::vector<bool> StageNameBand() {
        std::vector<bool> dark;
        for (int y = -248; y <= -232; y += 2) {
            for (int x = -90; x <= 90; ++x) {
                const Rgb colour = At(x, y);
                dark.push_back(colour.r + colour.g + colour.b < 300);
            }
        }
        return dark;
    }
    static long DarkCount(const std::vector<bool>& band) { return std::count(band.begin(), band.end(), true); }

    // The whole view, row by row from the bottom.
    static std::vector<Rgb> View() {
        std::vector<unsigned char> pixels(1280 * 720 * 4);
        glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        std::vector<Rgb> view;
        for (size_t i = 0; i < pixels.size(); i += 4) view.push_back({pixels[i], pixels[i + 1], pixels[i + 2]});
        return view;
    }
    static float LoadingDarkness() { return Named("Loading")->Get<Sprite>(SPRITE)->state.rgba[3]; }
    // The box round the view's white pixels (left, right, bottom, top), grown by a margin for
    // the smoothed edges of the letters.
    struct Box {
        int left = 1280, right = -1, bottom = 720, top = -1;
        bool Holds(int x, int y) const { return x >= left && x <= right && y >= bottom && y <= top; }
    };
    static Box WhiteBox(const std::vector<Rgb>& view) {
        Box box;
        for (int y = 0; y < 720; ++y) {
            for (int x = 0; x < 1280; ++x) {
                const Rgb c = view[static_cast<size_t>(y * 1280 + x)];
                if (std::min({c.r, c.g, c.b}) < 200) continue;
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.bottom = std::min(box.bottom, y), box.top = std::max(box.top, y);
            }
        }
        constexpr int kEdge = 3;
        return {box.left - kEdge, box.right + kEdge, box.bottom - kEdge, box.top + kEdge};
    }
    static int Off(Rgb want, Rgb have) {
        return std::max({std::abs(want.r - have.r), std::abs(want.g - have.g), std::abs(want.b - have.b)});
    }

    // Player 2 picks the blue ninja and player 1 the red lady, both confirmed.
    void BothPlayersReady() {
        OpenTheSelection();
        Press(vk::kLeft);
        Press('K');
        Press('D');
        Press(vk::kSpace);
        ASSERT_EQ(NinjaBlue, GameStateManager::Instance().playerCharacters[1]);
        ASSERT_EQ(LadyRed, GameStateManager::Instance().playerCharacters[0]);
    }
    // Player 1 starts the match: the frame just drawn is the loading fade's first, and
    // `beforeEachFrame` saw the one before it last.
    void StartTheFade(const std::function<void()>& beforeEachFrame = [] {}) {
        stateChanged = false;
        const bool started = HoldUntil(vk::kSpace, [&] {
            if (Named("Loading")->Get<Sprite>(SPRITE)->active) return true;
            beforeEachFrame();
            return false;
        }, 3);
        ASSERT_TRUE(started) << "player 1 starts: the loading fade runs";
    }
    // The players get ready and start; while the loading screen fades in, `keys` are held for
    // three frames (the fade lasts longer than that).
    void StartTheMatchAndHoldDuringTheFade(const std::vector<int>& keys) {
        ASSERT_NO_FATAL_FAILURE(BothPlayersReady());
        ASSERT_NO_FATAL_FAILURE(StartTheFade());
        for (int key : keys) scripted->SetKey(key, true);
        Until([this] { return stateChanged; }, 3);
        for (int key : keys) scripted->SetKey(key, false);
        ASSERT_FALSE(stateChanged) << "the keys came during the fade";
    }
};

// Player 2 is ready first; player 1's Jump then confirms player 1 and only the next Jump
// starts the match, with both of them in it.
TEST_F(GameSelection, PlayerOnesConfirmingJumpWaitsForTheNextJumpToStart) {
    OpenTheSelection();
    Press(vk::kLeft);
    Press('K');
    ASSERT_EQ(NinjaBlue, GameStateManager::Instance().playerCharacters[1]);
    Press('D');

    EXPECT_FALSE(PressAndFollow(vk::kSpace, 60)) << "the confirming press does not also start the match";
    ASSERT_EQ(Selection, GameStateManager::currentState);
    EXPECT_EQ(LadyRed, GameStateManager::Instance().playerCharacters[0]);
    EXPECT_TRUE(ShowsReady()) << "player 1's portrait shows the confirmation";
    EXPECT_FALSE(Named("Loading")->Get<Sprite>(SPRITE)->active);

    ASSERT_TRUE(PressAndFollow(vk::kSpace, 60)) << "the next Jump starts";
    ASSERT_EQ(Level_1, GameStateManager::currentState);
    EXPECT_NE(nullptr, Named("LadyRed0")) << "player 1 plays";
    EXPECT_NE(nullptr, Named("NinjaBlue1")) << "player 2 plays";
}

// The portrait names the pick and shows whether it is confirmed; the stage's name follows Down
// in the order the stages are listed everywhere: meadow, desert, night lagoon.
TEST_F(GameSelection, ThePortraitShowsTheNameAndTheStateAndTheStageItsName) {
    OpenTheSelection();
    Press('D');
    const Rgb ladyPlate = PortraitPixel(10, 41);
    Press('D');
    EXPECT_TRUE(SameColour(kPlateInk, ladyPlate)) << "LADY is narrower than BOXER";
    EXPECT_TRUE(SameColour(kLetterCream, PortraitPixel(10, 41))) << "the B of BOXER";
    EXPECT_FALSE(ShowsReady()) << "still picking";
    EXPECT_TRUE(SameColour({255, 214, 90}, PortraitPixel(2, 42))) << "arrows say Left and Right still pick";

    Press(vk::kSpace);
    Frames(2);
    EXPECT_TRUE(ShowsReady()) << "confirmed";
    EXPECT_TRUE(SameColour(kLetterCream, PortraitPixel(10, 41))) << "the name stays";
    Press('G');
    Frames(2);
    EXPECT_FALSE(ShowsReady()) << "withdrawn: picking again";

    const std::vector<bool> meadow = StageNameBand();
    Press('S');
    EXPECT_EQ(66u, Named("StagePreview")->Get<Sprite>(SPRITE)->state.textureId) << "one Down: the desert";
    const std::vector<bool> desert = StageNameBand();
    Press('S');
    const std::vector<bool> lagoon = StageNameBand();
    Press('S');
    EXPECT_GT(DarkCount(meadow), 40) << "a name is written under the preview";
    EXPECT_GT(DarkCount(desert), 40);
    EXPECT_GT(DarkCount(lagoon), 40);
    EXPECT_NE(meadow, desert);
    EXPECT_NE(desert, lagoon);
    EXPECT_NE(lagoon, meadow);
    EXPECT_EQ(meadow, StageNameBand()) << "round to the meadow, and its name again";
}

// Each text that names a picture stands centred under or over it, whatever its length: the team
// labels under the four portraits' frames, STAGE over the stage's preview and the stage's name
// under it. Found in the frame drawn, as the run of the text's colour across a band of rows.
struct CentredText {
    const char* text;
    Rgb colour;
    int centre;          // the picture's centre across the view, (0, 0) at the view's centre
    int bottom, top;     // the rows the text is drawn in
};

TEST_F(GameSelection, TextsStandCentredOnTheirPictures) {
    OpenTheSelection();
    const Rgb red = {204, 51, 51}, blue = {51, 77, 204}, ink = {33, 28, 41};
    const CentredText texts[] = {
        {"P1 RED", red, -450, -75, -42},  {"P2 BLUE", blue, -150, -75, -42}, {"P3 RED", red, 150, -75, -42},
        {"P4 BLUE", blue, 450, -75, -42}, {"STAGE", ink, 0, -75, -42},       {"MEADOW", ink, 0, -260, -223},
    };
    const std::vector<Rgb> view = View();
    for (const CentredText& text : texts) {
        int left = 1000, right = -1000;
        for (int y = text.bottom; y <= text.top; ++y) {
            for (int x = text.centre - 140; x <= text.centre + 140; ++x) {
                if (!SameColour(text.colour, view[static_cast<size_t>((360 + y) * 1280 + 640 + x)])) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        ASSERT_LT(left, right) << text.text << " is drawn";
        EXPECT_NEAR(text.centre, (left + right) / 2.0, 1.5) << text.text << " from " << left << " to " << right;
    }
}

// A match on the night lagoon, left through the pause for the main menu; the next match, on
// the meadow, shows the meadow's own sky.
TEST_F(GameSelection, TheMeadowShowsItsOwnSkyAfterAMatchOnTheLagoon) {
    OpenTheSelection();
    Press('D');
    Press(vk::kSpace);
    Press('W');
    EXPECT_EQ(108u, Named("StagePreview")->Get<Sprite>(SPRITE)->state.textureId) << "Up wraps round to the lagoon";
    ASSERT_TRUE(PressAndFollow(vk::kSpace, 60));
    ASSERT_EQ(Level_3, GameStateManager::currentState);
    Frames(10);

    Press('P');
    Press('W');
    ASSERT_TRUE(PressAndFollow(vk::kSpace, 30)) << "the pause's Main menu";
    ASSERT_EQ(MainMenu, GameStateManager::currentState);
    Frames(3);

    OpenTheSelection();
    Press('D');
    Press(vk::kSpace);
    ASSERT_TRUE(PressAndFollow(vk::kSpace, 60));
    ASSERT_EQ(Level_1, GameStateManager::currentState);
    Frames(2);
    EXPECT_EQ(15u, Named("Background")->Get<Sprite>(SPRITE)->state.textureId);
    EXPECT_TRUE(SameColour({132, 192, 252}, At(-600, 340))) << "the meadow's blue sky";
}

// The loading screen darkens the whole selection, texts as much as pictures, and brings in
// "LOADING..." with the dark: it stands at the centre of the view over nothing of the selection.
struct FadeMoment {
    float darkness;  // the loading screen's opacity
    int within;      // how far from the loading screen's own colour the rest of the view may be
};

TEST_F(GameSelection, TheLoadingFadeDarkensEveryPictureAndTextAndLoadingStandsAloneAtTheCentre) {
    ASSERT_NO_FATAL_FAILURE(BothPlayersReady());
    std::vector<Rgb> selection;
    ASSERT_NO_FATAL_FAILURE(StartTheFade([&] { selection = View(); }));
    const std::vector<Rgb> firstDark = View();

    const Rgb dark = {26, 20, 31};  // the loading screen's colour
    // Late in the fade what is left of the selection lies close to the dark (its brightest
    // pictures a tenth of the way); once the dark is whole nothing else shows at all.
    const FadeMoment moments[] = {{0.9f, 48}, {1.0f, 4}};
    Box loading;
    for (const FadeMoment& moment : moments) {
        SCOPED_TRACE(moment.darkness);
        ASSERT_TRUE(Until([&] { return LoadingDarkness() >= moment.darkness; }, 30));
        ASSERT_FALSE(stateChanged) << "the selection still shows";
        const std::vector<Rgb> view = View();

        loading = WhiteBox(view);  // "LOADING..." is white
        ASSERT_GT(loading.right - loading.left, 100) << "LOADING... is shown";
        EXPECT_NEAR(639.5, (loading.left + loading.right) / 2.0, 2.0) << "LOADING... is centred across the view";
        EXPECT_NEAR(359.5, (loading.bottom + loading.top) / 2.0, 2.0) << "and up and down";

        int strays = 0, farthest = 0;
        for (int y = 0; y < 720; ++y) {
            for (int x = 0; x < 1280; ++x) {
                if (loading.Holds(x, y)) continue;
                const int off = Off(dark, view[static_cast<size_t>(y * 1280 + x)]);
                farthest = std::max(farthest, off);
                if (off > moment.within) ++strays;
            }
        }
        EXPECT_EQ(0, strays) << "pixels of the selection that kept their colour; the farthest is " << farthest
                             << " from the dark";
    }

    // Where "LOADING..." ends up, the fade's first frame still shows the selection as it was
    // the frame before, but for the first step of the dark.
    int changed = 0;
    for (int y = loading.bottom; y <= loading.top; ++y) {
        for (int x = loading.left; x <= loading.right; ++x) {
            const size_t i = static_cast<size_t>(y * 1280 + x);
            if (Off(selection[i], firstDark[i]) > 24) ++changed;
        }
    }
    EXPECT_EQ(0, changed) << "pixels under LOADING... that changed by more than the first step of the dark";
}

// Once player 1 starts the match, it starts, with everyone's picks: a Pull pressed during the
// loading fade (by player 2 or by player 1) withdraws nobody, and a pause key (P or Escape)
// does not go back to the main menu.
struct FadeKeys {
    const char* name;
    std::vector<int> keys;
};
void PrintTo(const FadeKeys& keys, std::ostream* out) { *out << keys.name; }

class GameSelectionDuringTheFade : public GameSelection, public ::testing::WithParamInterface<FadeKeys> {};

TEST_P(GameSelectionDuringTheFade, KeysLeaveEveryonesChoiceAndTheMatchStarts) {
    ASSERT_NO_FATAL_FAILURE(StartTheMatchAndHoldDuringTheFade(GetParam().keys));
    ASSERT_TRUE(Until([this] { return stateChanged; }, 60));
    ASSERT_EQ(Level_1, GameStateManager::currentState);
    EXPECT_NE(nullptr, Named("NinjaBlue1")) << "player 2 plays";
    EXPECT_NE(nullptr, Named("LadyRed0")) << "player 1 plays";
}

const FadeKeys kFadeKeys[] = {{"BothPulls", {'L', 'G'}}, {"P", {'P'}}, {"Escape", {vk::kEscape}}};
INSTANTIATE_TEST_SUITE_P(Keys, GameSelectionDuringTheFade, ::testing::ValuesIn(kFadeKeys),
                         [](const ::testing::TestParamInfo<FadeKeys>& info) { return std::string(info.param.name); });

}  // namespace
