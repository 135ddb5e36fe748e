// Sound nodes, run from small graph files on SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "audio/sound_system.h"
#include "graph_fixture.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace {

using namespace graphtext;
using platform::SoundGroup;

// The test's own list over sounds of the game's set: a looping theme and a looping effect.
const char* const kSoundList = R"({
    "menu": {"Name": "Theme", "Type": "BGM", "Loop": true, "Path": "Resources/sfx/menu_theme.wav"},
    "hum": {"Name": "Hum", "Type": "SFX", "Loop": true, "Path": "Resources/sfx/level_theme.wav"}
})";

const char* const kVariables = R"({
    "string": {"0": {"name": "sound", "val": "Theme"}},
    "double": {"0": {"name": "vol", "val": 0.5}},
    "bool": {"0": {"name": "ran", "val": false}, "1": {"name": "yes", "val": false},
             "2": {"name": "no", "val": false}, "3": {"name": "hush", "val": false},
             "4": {"name": "off", "val": false}}})";

// `node` on "sound" (or unbound), then "ran" is set.
std::string OneStep(const std::string& node, bool bound = true) {
    return Graph({{0, node, {1}, {bound ? In("string", 0) : ""}}, {1, "SetBoolToNode", {}, {In("bool", 0)}}}, kVariables);
}

class SoundNodes : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        WriteFile(SoundSystem::kListPath, kSoundList);
        const std::string started = Output([] { SoundSystem::GetInstance(); });
        ASSERT_EQ("", started);
    }

    static SoundSystem& Sounds() { return SoundSystem::GetInstance(); }
    static platform::SoundDevice& Device() { return platform::Current().GetSound(); }
    static platform::ChannelHandle Latest(const std::string& name) { return Sounds().Sounds().at(name).channel; }

    static std::string Output(const std::function<void()>& action) {
        testing::internal::CaptureStdout();
        action();
        return testing::internal::GetCapturedStdout();
    }

    // Loads `graph` and gives it to a fresh object hearing `sound`.
    GameObject* Listener(const std::string& graph, const std::string& sound = "Theme") {
        LoadGraph("sound", graph);
        GameObject* object = Spawn("Speaker", "sound");
        Var<std::string>(object, "sound") = sound;
        return object;
    }

    void NextCase() {
        GameStateManager::DestroyAllObjects();
        GameStateManager::isPaused = false;
        Sounds().StopAll();
        Sounds().PauseAll(false);
        Sounds().SetVolume(1.0f);
    }
};

TEST_F(SoundNodes, NameNodesActOnTheirSoundAndAlwaysGoOn) {
    enum Heard { kSilent, kPlaying, kPausedItself };
    struct Case {
        const char* situation;
        const char* node;
        bool bound;
        const char* sound;
        bool playFirst;
        Heard theme;
        const char* console;
    } cases[] = {
        {"play starts the theme", "PlaySoundNode", true, "Theme", false, kPlaying, ""},
        {"play with no name bound stays silent", "PlaySoundNode", false, "Theme", false, kSilent, ""},
        {"play of a name not in the list", "PlaySoundNode", true, "Nobody", false, kSilent, ""},
        {"stop ends the theme", "StopSoundNode", true, "Theme", true, kSilent, ""},
        {"stop with no name bound keeps it", "StopSoundNode", false, "Theme", true, kPlaying, ""},
        {"stop of a theme never played", "StopSoundNode", true, "Theme", false, kSilent, "Fail to stop sound.\n"},
        {"pause holds the theme", "PauseSoundNode", true, "Theme", true, kPausedItself, ""},
        {"pause of another sound leaves it", "PauseSoundNode", true, "Hum", true, kPlaying,
         "Fail to pause/unpause sound.\n"},
        {"pause with no name bound keeps it", "PauseSoundNode", false, "Theme", true, kPlaying, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        GameObject* object = Listener(OneStep(c.node, c.bound), c.sound);
        if (c.playFirst) Sounds().Play("Theme");
        int result = 0;
        EXPECT_EQ(c.console, Output([&] { result = Run(object); }));
        EXPECT_EQ(-1, result);
        EXPECT_TRUE(Var<bool>(object, "ran"));
        EXPECT_EQ(c.theme == kPlaying, Sounds().IsPlaying("Theme"));
        if (c.theme == kPausedItself) {
            EXPECT_TRUE(Device().IsPlaying(Latest("Theme")));
            EXPECT_TRUE(Device().IsPausedNow(Latest("Theme")));
        }
        EXPECT_FALSE(Sounds().IsPlaying("Hum"));
        NextCase();
    }
}

TEST_F(SoundNodes, EveryFramePlayStacksChannelsWhilePlayOnceStartsTheLoopOnce) {
    struct Case {
        const char* node;
        size_t channels;
    } cases[] = {{"PlaySoundNode", 3}, {"PlaySoundOnceNode", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        GameObject* object = Listener(OneStep(c.node), "Hum");
        std::set<std::pair<int, uint64_t>> plays;
        for (int frame = 0; frame < 3; ++frame) {
            Run(object);
            plays.insert({Latest("Hum").channel, Latest("Hum").generation});
        }
        EXPECT_EQ(c.channels, plays.size());
        for (const auto& [channel, generation] : plays) EXPECT_TRUE(Device().IsPlaying({channel, generation}));
        NextCase();
    }
}

TEST_F(SoundNodes, PlayingAPausedSoundResumesTheSamePlay) {
    for (const char* node : {"PlaySoundNode", "PlaySoundOnceNode"}) {
        SCOPED_TRACE(node);
        GameObject* object = Listener(OneStep(node));
        Sounds().Play("Theme");
        const platform::ChannelHandle first = Latest("Theme");
        Sounds().SetPaused("Theme", true);
        Run(object);
        EXPECT_TRUE(Sounds().IsPlaying("Theme"));
        EXPECT_EQ(first.channel, Latest("Theme").channel);
        EXPECT_EQ(first.generation, Latest("Theme").generation);
        EXPECT_FALSE(Device().IsPausedNow(first));
        NextCase();
    }
}

TEST_F(SoundNodes, NothingStartsWhileTheGameIsPaused) {
    for (const char* node : {"PlaySoundNode", "PlaySoundOnceNode"}) {
        SCOPED_TRACE(node);
        GameObject* object = Listener(OneStep(node));
        const platform::ChannelHandle before = Latest("Theme");
        GameStateManager::isPaused = true;
        EXPECT_EQ(-1, Run(object));
        EXPECT_TRUE(Var<bool>(object, "ran"));
        EXPECT_FALSE(Sounds().IsPlaying("Theme"));
        EXPECT_EQ(before.generation, Latest("Theme").generation);
        GameStateManager::isPaused = false;
        Run(object);
        EXPECT_TRUE(Sounds().IsPlaying("Theme"));
        NextCase();
    }
}

TEST_F(SoundNodes, IsSoundPlayingTellsWhetherTheSoundIsHeard) {
    struct Case {
        const char* situation;
        bool bound;
        const char* sound;
        std::function<void()> before;
        bool heard;
    } cases[] = {
        {"never played", true, "Theme", [] {}, false},
        {"playing", true, "Theme", [] { Sounds().Play("Theme"); }, true},
        {"paused by itself", true, "Theme", [] { Sounds().Play("Theme"); Sounds().SetPaused("Theme", true); }, false},
        {"stopped", true, "Theme", [] { Sounds().Play("Theme"); Sounds().Stop("Theme"); }, false},
        {"only another sound plays", true, "Theme", [] { Sounds().Play("Hum"); }, false},
        {"a name not in the list", true, "Nobody", [] { Sounds().Play("Theme"); }, false},
        {"no name bound", false, "Theme", [] { Sounds().Play("Theme"); }, false},
    };
    const std::string graph = Graph({{0, "IsSoundPlayingNode", {1, 2}, {In("string", 0)}},
                                     {1, "SetBoolToNode", {}, {In("bool", 1)}},
                                     {2, "SetBoolToNode", {}, {In("bool", 2)}}},
                                    kVariables);
    const std::string unbound = Graph({{0, "IsSoundPlayingNode", {1, 2}, {""}},
                                       {1, "SetBoolToNode", {}, {In("bool", 1)}},
                                       {2, "SetBoolToNode", {}, {In("bool", 2)}}},
                                      kVariables);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        GameObject* object = Listener(c.bound ? graph : unbound, c.sound);
        c.before();
        EXPECT_EQ(-1, Run(object));
        EXPECT_EQ(c.heard, Var<bool>(object, "yes"));
        EXPECT_EQ(!c.heard, Var<bool>(object, "no"));
        NextCase();
    }
}

TEST_F(SoundNodes, VolumeNodesSetTheirGroups) {
    const double kTooLarge = 1e300;
    struct Case {
        const char* node;
        bool bound;
        double vol;
        float music, effects;
        const char* console;
    } cases[] = {
        {"SetBGMVolumNode", true, 0.5, 0.5f, 1.0f, ""},
        {"SetSFXVolumeNode", true, 0.5, 1.0f, 0.5f, ""},
        {"SetVolumeNode", true, 0.5, 0.5f, 0.5f, ""},
        {"SetVolumeNode", false, 0.5, 1.0f, 1.0f, ""},
        {"SetBGMVolumNode", true, std::nan(""), 1.0f, 1.0f, "Fail to set volume of sounds.(BGM)\n"},
        {"SetSFXVolumeNode", true, kTooLarge, 1.0f, 1.0f, "Fail to set volume of sounds.(SFX)\n"},
        {"SetVolumeNode", true, -kTooLarge, 1.0f, 1.0f,
         "Fail to set volume of sounds.(BGM)\nFail to set volume of sounds.(SFX)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.node) + (c.bound ? " with " + std::to_string(c.vol) : " unbound"));
        const std::string graph = Graph(
            {{0, c.node, {1}, {c.bound ? In("double", 0) : ""}}, {1, "SetBoolToNode", {}, {In("bool", 0)}}}, kVariables);
        GameObject* object = Listener(graph);
        Var<double>(object, "vol") = c.vol;
        int result = 0;
        EXPECT_EQ(c.console, Output([&] { result = Run(object); }));
        EXPECT_EQ(-1, result);
        EXPECT_TRUE(Var<bool>(object, "ran"));
        EXPECT_FLOAT_EQ(c.music, Device().GroupVolume(SoundGroup::Music));
        EXPECT_FLOAT_EQ(c.effects, Device().GroupVolume(SoundGroup::Effects));
        NextCase();
    }
}

TEST_F(SoundNodes, StopAllSilencesMusicAndEffects) {
    GameObject* object = Listener(Graph({{0, "StopAllSoundNode", {1}, {}}, {1, "SetBoolToNode", {}, {In("bool", 0)}}},
                                        kVariables));
    Sounds().Play("Theme");
    Sounds().Play("Hum");
    Sounds().Play("Hum");
    const platform::ChannelHandle firstHum = Latest("Hum");
    EXPECT_EQ(-1, Run(object));
    EXPECT_TRUE(Var<bool>(object, "ran"));
    EXPECT_FALSE(Sounds().IsPlaying("Theme"));
    EXPECT_FALSE(Sounds().IsPlaying("Hum"));
    EXPECT_FALSE(Device().IsPlaying(firstHum));
    Run(object);  // nothing left to stop is no failure
}

// Frames of the main loop: each sets the groups from the game's pause flag before graphs run.
TEST_F(SoundNodes, PauseAllHoldsBothGroupsUntilTheNextFrameUnlessTheGameIsPaused) {
    struct Frame {
        bool gamePaused;
        bool hush;  // the graph pauses all sound this frame
        bool groupsPaused;
    };
    struct Case {
        const char* situation;
        std::vector<Frame> frames;
    } cases[] = {
        {"a hush lasts one frame", {{false, true, true}, {false, false, false}}},
        {"a hush every frame keeps them paused", {{false, true, true}, {false, true, true}}},
        {"the paused game keeps them paused", {{true, true, true}, {true, false, true}, {false, false, false}}},
    };
    // "Set Pause" bound to false is not read: the node pauses regardless.
    const std::string graph = Graph({{0, "IsTrueNode", {1}, {In("bool", 3)}},
                                     {1, "PauseAllSoundNode", {2}, {In("bool", 4)}},
                                     {2, "SetBoolToNode", {}, {In("bool", 0)}}},
                                    kVariables);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        GameObject* object = Listener(graph);
        Sounds().Play("Theme");
        Sounds().Play("Hum");
        for (size_t i = 0; i < c.frames.size(); ++i) {
            const Frame& frame = c.frames[i];
            SCOPED_TRACE("frame " + std::to_string(i));
            GameStateManager::isPaused = frame.gamePaused;
            Var<bool>(object, "hush") = frame.hush;
            Var<bool>(object, "ran") = false;
            ASSERT_TRUE(SystemManager::GetInstance().RunFrame());
            EXPECT_EQ(frame.hush, Var<bool>(object, "ran"));
            EXPECT_EQ(frame.groupsPaused, Device().GroupPaused(SoundGroup::Music));
            EXPECT_EQ(frame.groupsPaused, Device().GroupPaused(SoundGroup::Effects));
            EXPECT_EQ(frame.groupsPaused, Device().IsPausedNow(Latest("Theme")));
            EXPECT_TRUE(Sounds().IsPlaying("Theme"));  // the group's pause is not the sound's own
        }
        NextCase();
    }
}

}  // namespace
