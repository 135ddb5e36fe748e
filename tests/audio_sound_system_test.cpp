#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "audio/sound_system.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/scripted_backend.h"
#include "support/engine_test.h"

namespace {

using platform::SoundGroup;

// A list of the test's own, over sounds of the committed set: two loops and a short blip.
const char* const kTestList = R"({
    "menu": {"Name": "Theme", "Type": "BGM", "Loop": true, "Path": "Resources/sfx/menu_theme.wav"},
    "loop": {"Name": "Hum", "Type": "SFX", "Loop": true, "Path": "Resources/sfx/level_theme.wav"},
    "blip": {"Name": "Blip", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/menu_move.wav"}
})";

class SoundSystemTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        committedList = ReadFile(SoundSystem::kListPath);
    }

    SoundSystem& StartWith(const std::string& list) {
        WriteFile(SoundSystem::kListPath, list);
        testing::internal::CaptureStdout();
        SoundSystem& sounds = SoundSystem::GetInstance();
        startOutput = testing::internal::GetCapturedStdout();
        return sounds;
    }

    static platform::SoundDevice& Device() { return platform::Current().GetSound(); }
    static const Sound& Get(const std::string& name) { return SoundSystem::GetInstance().Sounds().at(name); }

    static std::string Output(const std::function<void()>& action) {
        testing::internal::CaptureStdout();
        action();
        return testing::internal::GetCapturedStdout();
    }

    std::string committedList;
    std::string startOutput;
};

TEST_F(SoundSystemTest, EverySoundOfTheGameLoads) {
    SoundSystem& sounds = StartWith(committedList);
    EXPECT_EQ("", startOutput);
    EXPECT_GE(sounds.Sounds().size(), 15u);
    for (const auto& [name, sound] : sounds.Sounds()) {
        EXPECT_GE(sound.sound, 0) << name;
    }
    EXPECT_EQ(BGM, Get("MenuTheme").type);
    EXPECT_TRUE(Get("MenuTheme").isLoop);
    EXPECT_TRUE(Get("LevelTheme").isLoop);
    EXPECT_FALSE(Get("Jump").isLoop);
}

TEST_F(SoundSystemTest, NothingStartsWhileTheGameIsPausedAndGroupsStayPaused) {
    SoundSystem& sounds = StartWith(kTestList);
    GameStateManager::isPaused = true;
    sounds.Play("Theme");
    EXPECT_FALSE(Get("Theme").channel.Names());
    EXPECT_FALSE(sounds.IsPlaying("Theme"));
    sounds.PauseAll(false);
    EXPECT_TRUE(Device().GroupPaused(SoundGroup::Music));
    EXPECT_TRUE(Device().GroupPaused(SoundGroup::Effects));

    GameStateManager::isPaused = false;
    sounds.PauseAll(false);
    EXPECT_FALSE(Device().GroupPaused(SoundGroup::Music));
    EXPECT_FALSE(Device().GroupPaused(SoundGroup::Effects));
    sounds.Play("Theme");
    EXPECT_TRUE(sounds.IsPlaying("Theme"));
}

TEST_F(SoundSystemTest, PlayingAPausedSoundResumesItInsteadOfStartingAgain) {
    SoundSystem& sounds = StartWith(kTestList);
    sounds.Play("Theme");
    const platform::ChannelHandle first = Get("Theme").channel;
    sounds.SetPaused("Theme", true);
    EXPECT_FALSE(sounds.IsPlaying("Theme"));
    EXPECT_TRUE(Device().IsPausedNow(first));

    sounds.Play("Theme");
    EXPECT_TRUE(sounds.IsPlaying("Theme"));
    EXPECT_EQ(first.channel, Get("Theme").channel.channel);
    EXPECT_EQ(first.generation, Get("Theme").channel.generation);
    EXPECT_FALSE(Device().IsPausedNow(first));
}

TEST_F(SoundSystemTest, APausedSoundThatWasStoppedStartsAfreshOnPlay) {
    // A paused level theme, then a level change: the next level's Play must be heard.
    SoundSystem& sounds = StartWith(kTestList);
    sounds.Play("Theme");
    sounds.SetPaused("Theme", true);
    sounds.StopAll();
    sounds.Play("Theme");
    EXPECT_TRUE(sounds.IsPlaying("Theme"));
    EXPECT_FALSE(Device().IsPausedNow(Get("Theme").channel));
}

TEST_F(SoundSystemTest, TwoPlaysOfALoopMakeTwoChannelsAndStopEndsOnlyTheSecond) {
    SoundSystem& sounds = StartWith(kTestList);
    sounds.Play("Theme");
    const platform::ChannelHandle first = Get("Theme").channel;
    sounds.Play("Theme");
    const platform::ChannelHandle second = Get("Theme").channel;
    EXPECT_NE(first.channel, second.channel);

    sounds.Stop("Theme");
    EXPECT_TRUE(Device().IsPlaying(first));
    EXPECT_FALSE(Device().IsPlaying(second));
    EXPECT_FALSE(sounds.IsPlaying("Theme"));  // it follows the latest play only
}

TEST_F(SoundSystemTest, GroupsPauseAndTakeVolumesTogetherOrApart) {
    SoundSystem& sounds = StartWith(kTestList);
    sounds.Play("Theme");
    sounds.Play("Hum");
    sounds.PauseAll(true);
    EXPECT_TRUE(Device().IsPausedNow(Get("Theme").channel));
    EXPECT_TRUE(Device().IsPausedNow(Get("Hum").channel));
    EXPECT_TRUE(sounds.IsPlaying("Theme"));  // a group pause is not the sound's own
    sounds.PauseAll(false);
    EXPECT_FALSE(Device().IsPausedNow(Get("Theme").channel));

    sounds.SetVolume(0.25f);
    EXPECT_FLOAT_EQ(0.25f, Device().GroupVolume(SoundGroup::Music));
    EXPECT_FLOAT_EQ(0.25f, Device().GroupVolume(SoundGroup::Effects));
    sounds.SetGroupVolume(SoundGroup::Music, 0.5f);
    EXPECT_FLOAT_EQ(0.5f, Device().GroupVolume(SoundGroup::Music));
    EXPECT_FLOAT_EQ(0.25f, Device().GroupVolume(SoundGroup::Effects));

    EXPECT_EQ("Fail to set volume of sounds.(BGM)\nFail to set volume of sounds.(SFX)\n",
              Output([&] { sounds.SetVolume(std::nanf("")); }));

    sounds.StopAll();
    EXPECT_FALSE(sounds.IsPlaying("Theme"));
    EXPECT_FALSE(sounds.IsPlaying("Hum"));
}

TEST_F(SoundSystemTest, ActingOnASoundNeverPlayedPrintsItsLineAndTouchesNothing) {
    struct Case {
        const char* what;
        std::function<void(SoundSystem&)> act;
        const char* line;
    };
    const Case cases[] = {
        {"stop", [](SoundSystem& s) { s.Stop("Hum"); }, "Fail to stop sound.\n"},
        {"pause", [](SoundSystem& s) { s.SetPaused("Hum", true); }, "Fail to pause/unpause sound.\n"},
        {"resume", [](SoundSystem& s) { s.SetPaused("Hum", false); }, "Fail to pause/unpause sound.\n"},
        {"unknown name", [](SoundSystem& s) { s.Stop("Nobody"); }, ""},
        {"unknown pause", [](SoundSystem& s) { s.SetPaused("Nobody", true); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SoundSystem::Discard();
        SoundSystem& sounds = StartWith(kTestList);
        sounds.Play("Theme");
        EXPECT_EQ(c.line, Output([&] { c.act(sounds); }));
        EXPECT_TRUE(sounds.IsPlaying("Theme"));  // never "every channel"
        EXPECT_FALSE(Get("Hum").isPaused);
        sounds.Play("Hum");
        EXPECT_TRUE(sounds.IsPlaying("Hum"));
    }
}

// A graph asks for its sound every frame: a missing file must not fill the log.
TEST_F(SoundSystemTest, ASoundThatCannotLoadIsNamedOnceAndItsFailingPlayToldOnce) {
    SoundSystem& sounds = StartWith(R"({
        "a": {"Name": "Gone", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/gone.wav"},
        "b": {"Name": "Lost", "Type": "BGM", "Loop": true, "Path": "Resources/sfx/lost.wav"},
        "c": {"Name": "Blip", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/menu_move.wav"},
        "d": {"Name": "Junk", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/sounds.json"}
    })");
    EXPECT_NE(std::string::npos, startOutput.find("Resources/sfx/sounds.json: sound \"Gone\" cannot be loaded from "
                                                  "\"Resources/sfx/gone.wav\": the file is missing\n"))
        << startOutput;
    const size_t junk = startOutput.find("sound \"Junk\" cannot be loaded from \"Resources/sfx/sounds.json\": ");
    ASSERT_NE(std::string::npos, junk) << startOutput;
    EXPECT_EQ(std::string::npos, startOutput.find("missing", junk)) << "a file that is there is not missing";
    EXPECT_EQ("Fail to play sound. \"Gone\"\nFail to play sound. \"Lost\"\n", Output([&] {
                  for (int frame = 0; frame < 60; ++frame) {
                      sounds.Play("Gone");
                      sounds.Play("Lost");
                  }
              }));
    sounds.Play("Blip");
    EXPECT_TRUE(sounds.IsPlaying("Blip"));
}

// What was told once is told again after the sound system starts anew: the new start may
// find the sound mended, and a log that says nothing would hide that it is still broken.
TEST_F(SoundSystemTest, AFailingPlayToldOnceIsToldAgainAfterTheSystemStartsAnew) {
    const char* const list =
        R"({"a": {"Name": "Gone", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/gone.wav"}})";
    const struct {
        const char* how;
        std::function<void()> restart;
    } cases[] = {
        {"shut down", [] { SoundSystem::Shutdown(); }},
        {"discarded", [] { SoundSystem::Discard(); }},
        {"on a new platform", [] { platform::Install(std::make_unique<platform::ScriptedBackend>(false)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        SoundSystem::Discard();
        SoundSystem& first = StartWith(list);
        EXPECT_EQ("Fail to play sound. \"Gone\"\n", Output([&] { first.Play("Gone"); }));
        c.restart();
        StartWith(list);
        EXPECT_EQ("Fail to play sound. \"Gone\"\n", Output([] {
                      SoundSystem::GetInstance().Play("Gone");
                      SoundSystem::GetInstance().Play("Gone");
                  }));
    }
}

// A failed start says which step failed. SDL picks its audio driver from the environment when
// its audio starts, so the unknown one is tried in a process of its own.
TEST_F(SoundSystemTest, AFailedStartSaysWhetherSdlAudioOrTheMixerFailed) {
    auto holder = platform::CreateMixerSoundDevice();
    ASSERT_EQ(platform::OpenResult::Opened, holder->Open(1)) << holder->LastError();
    StartWith(kTestList);
    EXPECT_EQ("Sound System fails to initialize.\nSound output: another sound device holds the mixer\n", startOutput);
    EXPECT_EQ(0u, Device().Session());
    holder.reset();

    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            SoundSystem::Discard();
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            StartWith(kTestList);
            std::fputs(startOutput.c_str(), stderr);
            std::exit(Device().Session() == 0 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "^Sound System fails to create\\.\nSound output: SDL audio could not start: ");
}

// Sets an environment variable for one scope and puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_) old_ = old;
        if (value) setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (had_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

// A minute on the idle main menu with no sound output: the start-up lines, then silence, and
// nothing any sound operation does brings a line back.
TEST_F(SoundSystemTest, WithNoSoundDeviceAMinuteOfTheMenuSaysNothingAfterStartUp) {
    struct Case {
        const char* what;
        const char* audioDriver;  // null: the environment's
        bool mixerHeld;
        const char* firstLine;
    };
    const Case cases[] = {
        {"no audio driver", "no-such-driver", false, "Sound System fails to create."},
        {"the mixer taken by another device", nullptr, true, "Sound System fails to initialize."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetEngine();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        ScopedEnv driver("SDL_AUDIODRIVER", c.audioDriver);
        auto holder = platform::CreateMixerSoundDevice();
        if (c.mixerHeld) {
            ASSERT_EQ(platform::OpenResult::Opened, holder->Open(1)) << holder->LastError();
        }

        const std::string printed = Output([] {
            ASSERT_TRUE(StartUp());
            SystemManager& systems = SystemManager::GetInstance();
            systems.BeginRun();
            systems.BeginPass();
            for (int frame = 0; frame < 3600; ++frame) ASSERT_TRUE(systems.RunFrame());
            SoundSystem& sounds = SoundSystem::GetInstance();
            for (const auto& [name, sound] : sounds.Sounds()) {
                sounds.Play(name);
                sounds.Stop(name);
                sounds.SetPaused(name, true);
                sounds.SetPaused(name, false);
                sounds.IsPlaying(name);
            }
            sounds.SetVolume(0.5f);
            sounds.StopAll();
            sounds.PauseAll(true);
        });
        const std::string second = "\nSound output: ";
        EXPECT_EQ(0u, printed.find(c.firstLine + second)) << printed.substr(0, 2000);
        EXPECT_EQ(2, std::count(printed.begin(), printed.end(), '\n')) << printed.substr(0, 2000);
        EXPECT_EQ(0u, Device().Session());
        EXPECT_FALSE(SoundSystem::GetInstance().Sounds().empty());
        for (const auto& [name, sound] : SoundSystem::GetInstance().Sounds()) {
            EXPECT_FALSE(sound.channel.Names()) << name << " was played";
        }
    }
}

TEST_F(SoundSystemTest, ALaterEntryWithTheSameNameReplacesAndReleasesTheEarlier) {
    SoundSystem& sounds = StartWith(R"({
        "a": {"Name": "Theme", "Type": "BGM", "Loop": true, "Path": "Resources/sfx/menu_theme.wav"},
        "b": {"Name": "Theme", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/menu_move.wav"}
    })");
    EXPECT_NE(std::string::npos, startOutput.find("\"Theme\" is listed twice")) << startOutput;
    ASSERT_EQ(1u, sounds.Sounds().size());
    EXPECT_EQ("Resources/sfx/menu_move.wav", Get("Theme").path);
    EXPECT_EQ(SFX, Get("Theme").type);
    // The earlier sound (loaded first, id 0) is gone from the device.
    platform::ChannelHandle handle;
    EXPECT_FALSE(Device().Play(0, SoundGroup::Music, handle));
    EXPECT_FALSE(Device().Release(0));
}

// What the list file holds after start-up and after the game's shut-down.
TEST_F(SoundSystemTest, TheSoundListIsRewrittenAtStartAndAtExit) {
    const std::string unsorted = "{\n"
                                 "    \"zeta\": {\n"
                                 "        \"n\": \"Theme\",\n"
                                 "        \"t\": \"BGM\",\n"
                                 "        \"l\": true,\n"
                                 "        \"p\": \"Resources/sfx/menu_theme.wav\"\n"
                                 "    },\n"
                                 "    \"alpha\": {\n"
                                 "        \"n\": \"Blip\",\n"
                                 "        \"t\": \"bgm\",\n"
                                 "        \"l\": \"true\",\n"
                                 "        \"p\": \"Resources/sfx/menu_move.wav\"\n"
                                 "    }\n"
                                 "}\n";
    const std::string keyed = "{\n"
                              "    \"Sound File 0\": {\n"
                              "        \"Name\": \"Blip\",\n"
                              "        \"Type\": \"SFX\",\n"
                              "        \"Loop\": false,\n"
                              "        \"Path\": \"Resources/sfx/menu_move.wav\"\n"
                              "    },\n"
                              "    \"Sound File 1\": {\n"
                              "        \"Name\": \"Theme\",\n"
                              "        \"Type\": \"BGM\",\n"
                              "        \"Loop\": true,\n"
                              "        \"Path\": \"Resources/sfx/menu_theme.wav\"\n"
                              "    }\n"
                              "}\n";
    const std::string brokenEntry = R"({"a": {"Name": "Blip", "Type": "SFX", "Loop": false, "Path": "Resources/sfx/menu_move.wav"}, "b": 3})";
    struct Case {
        const char* what;
        std::string before;
        std::string afterStart;
        std::string afterExit;
    };
    const Case cases[] = {
        {"the committed list is left as it is", committedList, committedList, committedList},
        {"any keys, rewritten keyed and in name order", unsorted, unsorted, keyed},
        {"compact text is pretty-printed at once", R"({"a":{"n":"Blip","t":"SFX","l":false,"p":"Resources/sfx/menu_move.wav"}})",
         "{\n    \"a\": {\n        \"n\": \"Blip\",\n        \"t\": \"SFX\",\n        \"l\": false,\n"
         "        \"p\": \"Resources/sfx/menu_move.wav\"\n    }\n}\n",
         keyed.substr(0, keyed.find("    },")) + "    }\n}\n"},
        {"a list that does not parse is never written", "{\"a\": {\"Name\": ", "{\"a\": {\"Name\": ", "{\"a\": {\"Name\": "},
        {"a malformed entry keeps the list as it was", brokenEntry, brokenEntry, brokenEntry},
        {"a list that is not an object is kept", "[1, 2]", "[1, 2]", "[1, 2]"},
        {"an empty list becomes an empty object", "", "{}\n", "{}\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SoundSystem::Discard();
        StartWith(c.before);
        EXPECT_EQ(c.afterStart, ReadFile(SoundSystem::kListPath));
        testing::internal::CaptureStdout();
        SoundSystem::Shutdown();
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(c.afterExit, ReadFile(SoundSystem::kListPath));
        EXPECT_EQ(0u, Device().Session());  // the device is closed with the system
    }
}

TEST_F(SoundSystemTest, AMissingListIsCreatedEmpty) {
    std::filesystem::remove(root_ / SoundSystem::kListPath);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(SoundSystem::GetInstance().Sounds().empty());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ("{}\n", ReadFile(SoundSystem::kListPath));
}

TEST_F(SoundSystemTest, TheSystemStartsAgainOnANewPlatform) {
    SoundSystem& sounds = StartWith(kTestList);
    sounds.Play("Theme");
    platform::Install(std::make_unique<platform::ScriptedBackend>(false));
    SoundSystem& again = SoundSystem::GetInstance();
    EXPECT_FALSE(again.Sounds().at("Theme").channel.Names());
    again.Play("Theme");
    EXPECT_TRUE(again.IsPlaying("Theme"));
}

// The main loop pauses sound while the window has lost the focus, and while the game is paused.
TEST_F(SoundSystemTest, TheMainLoopPausesSoundWithTheWindowAndTheGame) {
    auto backend = std::make_unique<platform::ScriptedBackend>(true);
    platform::ScriptedBackend& script = *backend;
    platform::Install(std::move(backend));
    WriteFile(SoundSystem::kListPath, kTestList);
    testing::internal::CaptureStdout();
    ASSERT_TRUE(StartUp());
    SystemManager& systems = SystemManager::GetInstance();
    systems.BeginRun();
    systems.BeginPass();
    SoundSystem::GetInstance().Play("Theme");
    testing::internal::GetCapturedStdout();
    const platform::ChannelHandle theme = SoundSystem::GetInstance().Sounds().at("Theme").channel;

    struct Step {
        const char* what;
        platform::EventKind event;
        bool gamePaused;
        bool soundPaused;
    };
    const Step steps[] = {
        {"focused", platform::EventKind::Restored, false, false},
        {"focus lost", platform::EventKind::FocusLost, false, true},
        {"focus back", platform::EventKind::FocusGained, false, false},
        {"game paused", platform::EventKind::Restored, true, true},
        {"game resumed", platform::EventKind::Restored, false, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        script.PushEvent({step.event, 0, 0, 0});
        GameStateManager::isPaused = step.gamePaused;
        systems.RunFrame();
        EXPECT_EQ(step.soundPaused, Device().IsPausedNow(theme));
    }
}

}  // namespace
