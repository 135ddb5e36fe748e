// The character selection played end to end on the real content, entered from the main menu:
// scripted keys held across frames, and what the screen shows read back from the picture.
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdlib>
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

    // Player 2 picks the blue ninja, player 1 the red lady and starts; while the loading screen
    // fades in, `keys` are held for three frames (the fade lasts longer than that).
    void StartTheMatchAndHoldDuringTheFade(const std::vector<int>& keys) {
        OpenTheSelection();
        Press(vk::kLeft);
        Press('K');
        Press('D');
        Press(vk::kSpace);
        ASSERT_EQ(NinjaBlue, GameStateManager::Instance().playerCharacters[1]);
        ASSERT_EQ(LadyRed, GameStateManager::Instance().playerCharacters[0]);

        stateChanged = false;
        ASSERT_TRUE(HoldUntil(vk::kSpace, [] { return Named("Loading")->Get<Sprite>(SPRITE)->active; }, 3))
            << "player 1 starts: the loading fade runs";
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
