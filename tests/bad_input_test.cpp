// Every data file a player or modder can edit, broken in every common way: the game must say
// what is wrong in a few lines naming the file, keep running, and never write over a file it
// could not read.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/sound_system.h"
#include "core/json_file.h"
#include "core/startup.h"
#include "core/system_manager.h"
#include "flow/game_state_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"
#include "support/child_process.h"
#include "support/engine_test.h"
#include "support/x_server.h"

namespace {

namespace fs = std::filesystem;

enum class Fault { Missing, Empty, Truncated, NotAnObject, WrongType, HugeNumbers, NegativeIndices, DeepNesting };

const char* FaultName(Fault fault) {
    static const char* const names[] = {"Missing",    "Empty",       "Truncated",       "NotAnObject",
                                        "WrongType",  "HugeNumbers", "NegativeIndices", "DeepNesting"};
    return names[static_cast<int>(fault)];
}

// The faults after which the file cannot be parsed: it must stay byte for byte as it was.
bool Unreadable(Fault fault) {
    return fault == Fault::Truncated || fault == Fault::NotAnObject || fault == Fault::DeepNesting;
}

struct DataFile {
    const char* kind;
    const char* path;
};

const DataFile kFiles[] = {
    {"Level", "Resources/levelData/level1.json"},
    {"MenuLevel", "Resources/levelData/level0.json"},
    {"Characters", "Resources/ObjData/Character.json"},
    {"TypeTable", "Resources/ObjData/GameObjectType.json"},
    {"Graph", "Resources/AI/Character_AI.json"},
    {"GraphList", "Resources/AI/Level1.json"},
    {"SoundList", "Resources/sfx/sounds.json"},
    {"TextureList", "Resources/levelData/texture.json"},
};

// Broken bindings end the game with exit code 1, so these run in the game's own process.
const DataFile kControlFiles[] = {
    {"KeyboardControls", "Resources/Controls/Keyboard.json"},
    {"PadControls", "Resources/Controls/XBox.json"},
};

const auto kFaults = testing::Values(Fault::Missing, Fault::Empty, Fault::Truncated, Fault::NotAnObject,
                                     Fault::WrongType, Fault::HugeNumbers, Fault::NegativeIndices,
                                     Fault::DeepNesting);

// The first scalar met depth first gets a value of another type.
bool ChangeFirstScalar(json::Value& value, json::Document::AllocatorType& allocator) {
    if (value.IsObject()) {
        for (auto& member : value.GetObject()) {
            if (ChangeFirstScalar(member.value, allocator)) return true;
        }
        return false;
    }
    if (value.IsArray()) {
        for (auto& element : value.GetArray()) {
            if (ChangeFirstScalar(element, allocator)) return true;
        }
        return false;
    }
    if (value.IsString()) {
        value.SetInt(7);
    } else {
        value.SetString("seven", allocator);
    }
    return true;
}

// Every number becomes `huge`, or every integer becomes -1 when `huge` is false.
void ChangeNumbers(json::Value& value, bool huge) {
    if (value.IsObject()) {
        for (auto& member : value.GetObject()) ChangeNumbers(member.value, huge);
    } else if (value.IsArray()) {
        for (auto& element : value.GetArray()) ChangeNumbers(element, huge);
    } else if (value.IsNumber()) {
        if (huge) {
            value.SetDouble(1e300);
        } else if (value.IsInt() || value.IsUint() || value.IsInt64() || value.IsUint64()) {
            value.SetInt(-1);
        }
    }
}

std::string Broken(const std::string& original, Fault fault) {
    switch (fault) {
        case Fault::Missing:
        case Fault::Empty:
            return "";
        case Fault::Truncated:
            return original.substr(0, original.size() / 2);
        case Fault::NotAnObject:
            return "[1, 2, 3]\n";
        case Fault::DeepNesting: {
            const std::string deep = std::string(100000, '[') + std::string(100000, ']');
            return "{\"deep\": " + deep + ", " + original.substr(original.find('{') + 1);
        }
        default:
            break;
    }
    JsonFile file;
    EXPECT_TRUE(file.Parse(original, "original"));
    if (fault == Fault::WrongType) {
        ChangeFirstScalar(file.Doc(), file.Doc().GetAllocator());
    } else {
        ChangeNumbers(file.Doc(), fault == Fault::HugeNumbers);
    }
    return JsonFile::Serialise(file.Doc());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// Everything the game prints while the body runs, stdout and stderr in one.
template <class Body>
std::string Printed(Body body) {
    std::fflush(nullptr);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    body();
    std::fflush(nullptr);
    std::string out = testing::internal::GetCapturedStdout();
    return out + testing::internal::GetCapturedStderr();
}

// A player's road through the game: the main menu, the selection, a match with two players
// and a win screen, then quitting, which writes the sound list back.
void PlayThrough() {
    platform::Install(std::make_unique<platform::ScriptedBackend>(true));
    ASSERT_TRUE(StartUp());
    SystemManager& systems = SystemManager::GetInstance();
    systems.BeginRun();
    systems.BeginPass();
    auto enter = [&](GameState state) {
        for (int frame = 0; frame < 3 && systems.RunFrame(); ++frame) {
        }
        GameStateManager::nextState = state;
        while (systems.RunFrame()) {
        }
        const bool running = systems.EndPass();
        if (running) systems.BeginPass();
        return running;
    };
    ASSERT_TRUE(enter(Selection));
    GameStateManager::Instance().playerCharacters[0] = LadyRed;
    GameStateManager::Instance().playerCharacters[1] = NinjaBlue;
    ASSERT_TRUE(enter(Level_1));
    ASSERT_TRUE(enter(WinRed));
    EXPECT_FALSE(enter(Quit));
    SoundSystem::Shutdown();
    ResetEngine();
    platform::Uninstall();
}

// The lines a broken file adds to what the intact game prints.
std::vector<std::string> NewLines(const std::string& printed, const std::string& baseline) {
    const auto known = Lines(baseline);
    const std::set<std::string> seen(known.begin(), known.end());
    std::vector<std::string> added;
    for (const auto& line : Lines(printed)) {
        if (!seen.count(line)) added.push_back(line);
    }
    return added;
}

constexpr size_t kFewLines = 6;

// The real game in the current folder, shown on an X server of its own and asked to close once
// its main menu is drawn. One that stops by itself (a control file it could not read) draws
// nothing and is left to end on its own, even slowly (a sanitizer build under load).
Ending RunGameProcess() {
    XServer server;
    ChildProcess game(server.GameOptions());
    if (server.WaitForPicture("Bramblecourt", game, std::chrono::seconds(30))) game.Signal(SIGTERM);
    return game.Wait(std::chrono::seconds(30));
}

class BadInput : public ResourcesTest, public testing::WithParamInterface<std::tuple<DataFile, Fault>> {
protected:
    void Break(const DataFile& file, Fault fault) {
        original_ = ReadFile(file.path);
        ASSERT_FALSE(original_.empty()) << file.path;
        if (fault == Fault::Missing) {
            fs::remove(root_ / file.path);
        } else {
            WriteFile(file.path, Broken(original_, fault));
        }
        broken_ = ReadFile(file.path);
    }

    // `baseline` is what the game prints with every file intact: messages about content that
    // is still being made are not blamed on the broken file.
    void ExpectClearReport(const std::string& printed, const std::string& baseline, const DataFile& file,
                           Fault fault) {
        const auto added = NewLines(printed, baseline);
        std::string all;
        bool named = false;
        for (const auto& line : added) {
            all += line + "\n";
            named = named || line.find(file.path) != std::string::npos;
        }
        EXPECT_LE(added.size(), kFewLines) << all;
        if (Unreadable(fault)) {
            EXPECT_TRUE(named) << "no line names " << file.path << ":\n" << all;
            EXPECT_EQ(broken_, ReadFile(file.path)) << "a file that failed to parse was written over";
        }
    }

    std::string original_, broken_;
};

TEST_P(BadInput, IsReportedInAFewLinesAndNeverCrashes) {
    const auto& [file, fault] = GetParam();
    const std::string baseline = Printed([] { PlayThrough(); });
    Break(file, fault);
    const std::string printed = Printed([] { PlayThrough(); });
    ExpectClearReport(printed, baseline, file, fault);
}

using ControlFilesBadInput = BadInput;

TEST_P(ControlFilesBadInput, EndTheGameWithExitCodeOneOrAreReportedAndNeverCrash) {
    const auto& [file, fault] = GetParam();
    // What the intact game prints does not change from case to case: run it once.
    static const Ending intact = RunGameProcess();
    ASSERT_TRUE(intact.exited && intact.code == 0) << Describe(intact);
    Break(file, fault);
    const Ending ending = RunGameProcess();
    ASSERT_TRUE(ending.exited) << Describe(ending);
    EXPECT_TRUE(ending.code == 0 || ending.code == 1) << Describe(ending);
    if (fault == Fault::Missing) {
        EXPECT_EQ(1, ending.code) << Describe(ending);
        EXPECT_FALSE(fs::exists(root_ / file.path)) << "a missing control file was made up empty";
    }
    ExpectClearReport(ending.output, intact.output, file, fault);
}

std::string TestName(const testing::TestParamInfo<std::tuple<DataFile, Fault>>& info) {
    return std::string(std::get<0>(info.param).kind) + "_" + FaultName(std::get<1>(info.param));
}

// Numbers written oddly but well (beyond a double's digits, below its smallest value, a zero
// with a huge exponent) are read as the doubles they round to, and the game's write-back keeps
// their bits: a designer's level never drifts.
TEST_F(ResourcesTest, OddlyWrittenNumbersInALevelComeBackFromThePlayWithTheirBits) {
    const char* const path = "Resources/levelData/level1.json";
    const struct {
        const char* written;  // as the level holds it
        const char* odd;      // what a designer put there instead
        const char* object;
        const char* key;
    } numbers[] = {
        {"\"cameraY\": 0", "-1e-325", "LevelSettings", "cameraY"},
        {"\"cameraZ\": 0", "0e400", "LevelSettings", "cameraZ"},
        {"\"u\": 1.0", "1.00000000000000011102230246251565404236316680908203125", "Background", "u"},
        {"\"v\": 1.0", "0.100000000000000000000000000000000000000000000000000000000000000000001e1", "Background", "v"},
        {"\"green\": 1", "2.5e-324", "Background", "green"},
        {"\"y\": 0", "2.4e-324", "Background", "y"},
        {"\"width\": 4080", "4.08e3", "Background", "width"},
    };
    std::string level = ReadFile(path);
    for (const auto& n : numbers) {
        const size_t at = level.find(n.written, level.find("\"" + std::string(n.object) + "\": {"));
        ASSERT_NE(std::string::npos, at) << n.written;
        level.replace(at, std::strlen(n.written), "\"" + std::string(n.key) + "\": " + n.odd);
    }
    WriteFile(path, level);
    PlayThrough();
    const std::string once = ReadFile(path);
    ASSERT_NE(level, once) << "the game did not write the level back";
    JsonFile played;
    ASSERT_TRUE(played.Parse(once, path));
    for (const auto& n : numbers) {
        const json::Value& object = played.Doc()[n.object];
        const json::Value& number = object.HasMember("Sprite") ? object["Sprite"][n.key] : object[n.key];
        ASSERT_TRUE(number.IsDouble()) << n.odd;
        const double read = number.GetDouble(), expected = std::strtod(n.odd, nullptr);
        EXPECT_EQ(0, std::memcmp(&expected, &read, sizeof read)) << n.odd << " came back as " << read;
    }
    PlayThrough();
    EXPECT_EQ(once, ReadFile(path)) << "a second play changed the level again";
}

INSTANTIATE_TEST_SUITE_P(EveryFileKind, BadInput, testing::Combine(testing::ValuesIn(kFiles), kFaults), TestName);
INSTANTIATE_TEST_SUITE_P(EveryFileKind, ControlFilesBadInput,
                         testing::Combine(testing::ValuesIn(kControlFiles), kFaults), TestName);

}  // namespace
