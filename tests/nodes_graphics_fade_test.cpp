// Sprite colour, visibility and fade nodes, and the music that follows the fades.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "audio/sound_system.h"
#include "nodes_graphics_fixture.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace {

using namespace graphtext;
using Colour = std::array<float, 4>;

Colour ColourOf(const Sprite& sprite) {
    return {sprite.state.rgba[0], sprite.state.rgba[1], sprite.state.rgba[2], sprite.state.rgba[3]};
}

// `node` with `ins`, whose first output sets "fading" and second "done".
std::string TwoWays(const std::string& node, const std::vector<std::string>& ins, const std::string& variables) {
    return Graph({{0, node, {1, 2}, ins},
                  {1, "SetBoolToNode", {}, {In("bool", 10)}},
                  {2, "SetBoolToNode", {}, {In("bool", 11)}}},
                 variables);
}

class LookChangeNodes : public LookNodesTest {};

TEST_F(LookChangeNodes, SetRGBAColoursOnlyTheChannelsItIsGiven) {
    const std::string variables = R"({
        "double": {"0": {"name": "red", "val": 2.75}, "1": {"name": "green", "val": 0.5},
                   "2": {"name": "blue", "val": -0.75}, "3": {"name": "alpha", "val": 0.5},
                   "4": {"name": "huge", "val": 1e300}},
        "bool": {"0": {"name": "mod", "val": true}, "1": {"name": "plain", "val": false}},
        "GameObject*": {"0": {"name": "other"}}})";
    struct Case {
        const char* situation;
        std::vector<std::string> ins;
        Colour own;
        Colour other;
    } cases[] = {
        {"only alpha", {"", "", "", In("double", 3)}, {1, 1, 1, 0.5f}, {1, 1, 1, 1}},
        {"all four, plainly", {In("double", 1), In("double", 1), In("double", 3), In("double", 3), In("bool", 1)},
         {0.5f, 0.5f, 0.5f, 0.5f}, {1, 1, 1, 1}},
        {"fractions with isMod", {In("double", 0), In("double", 1), In("double", 2), "", In("bool", 0)},
         {0.75f, 0.5f, -0.75f, 1}, {1, 1, 1, 1}},
        {"a fraction of a value beyond any integer", {In("double", 4), "", "", "", In("bool", 0)}, {0, 1, 1, 1},
         {1, 1, 1, 1}},
        {"a value beyond any float", {"", In("double", 4), "", "", In("bool", 1)},
         {1, std::numeric_limits<float>::infinity(), 1, 1}, {1, 1, 1, 1}},
        {"another object's sprite", {"", In("double", 1), "", "", "", In("GameObject*", 0)}, {1, 1, 1, 1},
         {1, 0.5f, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        GameObject* self = Looker(Graph({{0, "SetRGBANode", {}, c.ins}}, variables));
        GameObject* other = Prop("Other");
        Var<GameObject*>(self, "other") = other;
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(c.own, ColourOf(SpriteOf(self)));
        EXPECT_EQ(c.other, ColourOf(SpriteOf(other)));
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(LookChangeNodes, SpritesAreAskedAboutThenSwitchedOnAlone) {
    enum Look { kShown, kSwitchedOff, kHidden, kNone };
    struct Case {
        const char* situation;
        Look look;
        bool bound;
        bool answer;  // IsSpriteActiveNode took "True"
        bool on;      // the sprite's flag after SetSpriteActiveNode
    } cases[] = {
        {"a drawn sprite", kShown, true, true, true},
        {"a switched-off sprite", kSwitchedOff, true, false, true},
        {"a hidden sprite", kHidden, true, false, false},
        {"no sprite", kNone, true, false, false},
        {"no object bound", kSwitchedOff, false, false, false},
    };
    const std::string variables = R"({"bool": {"0": {"name": "on", "val": true}, "1": {"name": "yes", "val": false}},
                                      "GameObject*": {"0": {"name": "prop"}}})";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        const std::string prop = c.bound ? In("GameObject*", 0) : "";
        GameObject* self = Looker(Graph({{0, "IsSpriteActiveNode", {1, 2}, {prop}},
                                         {1, "SetBoolToNode", {2}, {In("bool", 1)}},
                                         {2, "SetSpriteActiveNode", {}, {In("bool", 0), prop}}},
                                        variables));
        GameObject* other = Prop("Prop");
        other->SetActive(false);
        Var<GameObject*>(self, "prop") = other;
        IGameComponent* sprite = other->components[SPRITE];
        sprite->active = c.look == kShown;
        if (c.look == kHidden) Hide(other, SPRITE);
        if (c.look == kNone) Remove(other, SPRITE);
        EXPECT_EQ(-1, Run(self));
        EXPECT_EQ(c.answer, Var<bool>(self, "yes"));
        if (c.look != kNone) {
            EXPECT_EQ(c.on, sprite->active);
        }
        EXPECT_FALSE(other->active);
        GameStateManager::DestroyAllObjects();
    }
}

// One run of a fade: the output taken, then the alpha and the music volume it left.
struct FadeRun {
    bool fading;
    float alpha;
    float music;
};

class FadeNodes : public LookNodesTest {
protected:
    void SetUp() override {
        LookNodesTest::SetUp();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        SoundSystem::GetInstance().SetGroupVolume(platform::SoundGroup::Music, kMusicBefore);
    }
    static float Music() { return platform::Current().GetSound().GroupVolume(platform::SoundGroup::Music); }

    // Runs the object's graph once per expected run and compares what each run left.
    void ExpectRuns(GameObject* self, const std::vector<FadeRun>& runs, const std::function<float()>& alpha) {
        for (size_t i = 0; i < runs.size(); ++i) {
            SCOPED_TRACE("run " + std::to_string(i + 1));
            Var<bool>(self, "fading") = Var<bool>(self, "done") = false;
            EXPECT_EQ(-1, Run(self));
            EXPECT_EQ(runs[i].fading, Var<bool>(self, "fading"));
            EXPECT_EQ(!runs[i].fading, Var<bool>(self, "done"));
            EXPECT_NEAR(runs[i].alpha, alpha(), 1e-6);
            EXPECT_NEAR(runs[i].alpha, Var<double>(self, "alpha"), 1e-6);
            EXPECT_NEAR(runs[i].music, Music(), 1e-6);
        }
    }

    static constexpr float kMusicBefore = 0.9f;
    static constexpr const char* kVariables = R"({
        "double": {"0": {"name": "amount", "val": 0}, "1": {"name": "alpha", "val": 0}, "2": {"name": "max", "val": 0}},
        "bool": {"0": {"name": "in", "val": false}, "10": {"name": "fading", "val": false},
                 "11": {"name": "done", "val": false}}})";
};

TEST_F(FadeNodes, ScreenFadesStepTheSpriteWhileTheMusicMovesTheOtherWay) {
    struct Case {
        const char* situation;
        const char* node;
        double alpha, amount, maxVolume;  // amount or maxVolume 0: unbound
        const char* soundFade;            // "on", "off" or "" unbound (on)
        bool withSprite;
        std::vector<FadeRun> runs;
    } cases[] = {
        {"fade-in with the music going down", "FadeObjectInNode", 0.0, 0.25, 1.0, "on", true,
         {{true, 0.25f, 0.75f}, {true, 0.5f, 0.5f}, {true, 0.75f, 0.25f}, {true, 1.0f, 0.0f}, {false, 1.0f, 1.0f}}},
        {"fade-in with sound fade unbound, default step", "FadeObjectInNode", 0.85, 0, 0.5, "", true,
         {{true, 0.95f, 0.4f}, {true, 1.05f, 0.3f}, {false, 1.05f, 0.5f}}},
        {"fade-in leaving the music alone", "FadeObjectInNode", 0.5, 0.5, 1.0, "off", true,
         {{true, 1.0f, kMusicBefore}, {false, 1.0f, kMusicBefore}}},
        {"fade-in with no volume to start from", "FadeObjectInNode", 0.5, 0.25, 0, "on", true,
         {{true, 0.75f, kMusicBefore}, {true, 1.0f, kMusicBefore}, {false, 1.0f, kMusicBefore}}},
        {"fade-out with the music capped", "FadeObjectOutNode", 1.0, 0.5, 0.8, "on", true,
         {{true, 0.5f, 0.5f}, {true, 0.0f, 0.8f}, {false, 0.0f, 0.8f}}},
        {"fade-out without a volume", "FadeObjectOutNode", 0.1, 0, 0, "on", true,
         {{true, 0.0f, kMusicBefore}, {false, 0.0f, kMusicBefore}}},
        {"fade-in of an object without a sprite", "FadeObjectInNode", 0.5, 0.25, 1.0, "on", false,
         {{true, 0.5f, kMusicBefore}, {true, 0.5f, kMusicBefore}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        SoundSystem::GetInstance().SetGroupVolume(platform::SoundGroup::Music, kMusicBefore);
        const std::string sound = *c.soundFade ? In("bool", 0) : "";
        GameObject* self = Looker(TwoWays(c.node,
                                          {c.amount ? In("double", 0) : "", In("double", 1), sound,
                                           c.maxVolume ? In("double", 2) : ""},
                                          kVariables));
        Var<double>(self, "alpha") = c.alpha;
        Var<double>(self, "amount") = c.amount;
        Var<double>(self, "max") = c.maxVolume;
        Var<bool>(self, "in") = std::string(c.soundFade) == "on";
        if (!c.withSprite) Remove(self, SPRITE);
        ExpectRuns(self, c.runs, [&] { return c.withSprite ? SpriteOf(self).state.rgba[3] : c.alpha; });
        GameStateManager::DestroyAllObjects();
    }
}

TEST_F(FadeNodes, TextFadesStepTheirAlphaOnly) {
    struct Case {
        const char* situation;
        double alpha, amount;  // amount 0: unbound
        const char* direction;  // "in", "out" or "" unbound
        bool withFont;
        std::vector<FadeRun> runs;
    } cases[] = {
        {"in, overshooting", 0.8, 0.25, "in", true, {{true, 1.05f, kMusicBefore}, {false, 1.05f, kMusicBefore}}},
        {"out by the default step", 0.15, 0, "out", true,
         {{true, 0.05f, kMusicBefore}, {true, -0.05f, kMusicBefore}, {false, -0.05f, kMusicBefore}}},
        {"no direction", 0.5, 0.25, "", true, {{true, 0.5f, kMusicBefore}, {true, 0.5f, kMusicBefore}}},
        {"no text", 0.5, 0.25, "in", false, {{true, 0.5f, kMusicBefore}}},
    };
    for (const char* node : {"FadeFontNode", "SetFontColourNode"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(node) + ": " + c.situation);
            GameObject* self = Looker(TwoWays(
                node, {c.amount ? In("double", 0) : "", In("double", 1), *c.direction ? In("bool", 0) : ""}, kVariables));
            Var<double>(self, "alpha") = c.alpha;
            Var<double>(self, "amount") = c.amount;
            Var<bool>(self, "in") = std::string(c.direction) == "in";
            if (c.withFont) FontOf(self).rgba[0] = 0.25f;
            if (!c.withFont) Remove(self, FONT);
            const bool fades = c.withFont && *c.direction;
            ExpectRuns(self, c.runs, [&] { return fades ? FontOf(self).rgba[3] : static_cast<float>(c.alpha); });
            if (c.withFont && !fades) {
                EXPECT_EQ(1.0f, FontOf(self).rgba[3]);
            }
            if (c.withFont) {
                EXPECT_EQ(0.25f, FontOf(self).rgba[0]);
            }
            GameStateManager::DestroyAllObjects();
        }
    }
}

}  // namespace
