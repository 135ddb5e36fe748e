// How the control files bind players: members by position, shared keys from player 1's
// entry, only the low bits of each value, and bad entries left unbound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/json_file.h"
#include "input/control_bindings.h"
#include "input_fixture.h"
#include "platform/virtual_keys.h"

namespace {

const std::string kShared = "{\"Exit\": 27, \"Pause\": 80, \"Enter\": 13}";

json::Document Parse(const std::string& text) {
    JsonFile file;
    EXPECT_TRUE(file.Parse(text, "test"));
    json::Document copy;
    copy.CopyFrom(file.Doc(), copy.GetAllocator());
    return copy;
}

struct LayoutCase {
    const char* situation;
    std::string file;
    int player;
    int expectedJump;  // -1: unbound
    int expectedExit;  // -1: unbound
};

TEST(InputBindings, PlayersAreTakenByPositionAndShareTheFirstPlayersKeys) {
    const std::string p1 = ControlObject(1, 2, 3, 4, 65, 6, 7, 8);
    const std::string p2 = ControlObject(1, 2, 3, 4, 66, 6, 7, 8);
    const std::vector<LayoutCase> cases = {
        {"player 1 reads its controls and the shared keys",
         "{\"P1\": {\"Controls\": " + p1 + ", \"Shared\": " + kShared + "}, \"P2\": {\"Controls\": " + p2 + "}}", 0,
         65, 27},
        {"player 2 takes the shared keys from player 1",
         "{\"P1\": {\"Controls\": " + p1 + ", \"Shared\": " + kShared + "}, \"P2\": {\"Controls\": " + p2 + "}}", 1,
         66, 27},
        {"renamed root members change nothing",
         "{\"zz\": {\"a\": " + p1 + ", \"b\": " + kShared + "}, \"aa\": {\"c\": " + p2 + "}}", 1, 66, 27},
        {"reordered root members swap the players",
         "{\"P2\": {\"Controls\": " + p2 + ", \"Shared\": " + kShared + "}, \"P1\": {\"Controls\": " + p1 + "}}", 1,
         65, 27},
        {"player 2's own shared keys are never read",
         "{\"P1\": {\"Controls\": " + p1 + ", \"Shared\": " + kShared + "}, \"P2\": {\"Controls\": " + p2 +
             ", \"Shared\": {\"Exit\": 99, \"Pause\": 99, \"Enter\": 99}}}",
         1, 66, 27},
        {"a later shared object overrides an earlier one for player 1",
         "{\"P1\": {\"Controls\": " + p1 + ", \"Shared\": " + kShared +
             ", \"More\": {\"Exit\": 9, \"Pause\": 80, \"Enter\": 13}}}",
         0, 65, 9},
        {"a file with two players binds player 3 to nothing",
         "{\"P1\": {\"Controls\": " + p1 + ", \"Shared\": " + kShared + "}, \"P2\": {\"Controls\": " + p2 + "}}", 2,
         -1, -1},
        {"a keyboard value keeps its low 8 bits",
         "{\"P1\": {\"Controls\": " + ControlObject(1, 2, 3, 4, 256 + 65, 6, 7, 8) + ", \"Shared\": " + kShared +
             "}}",
         0, 65, 27},
        {"a negative value keeps its low 8 bits too",
         "{\"P1\": {\"Controls\": " + ControlObject(1, 2, 3, 4, -1, 6, 7, 8) + ", \"Shared\": " + kShared + "}}", 0,
         255, 27},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.situation);
        const json::Document root = Parse(c.file);
        ControlBindings bindings;
        bindings.Load(c.player, root, false);
        if (c.expectedJump < 0) {
            EXPECT_EQ(0u, bindings.keys.count(CONTROL_JUMP));
        } else {
            EXPECT_EQ(c.expectedJump, bindings.GetKey(CONTROL_JUMP));
        }
        if (c.expectedExit < 0) {
            EXPECT_EQ(0u, bindings.miscKeys.count(MISC_EXIT));
        } else {
            EXPECT_EQ(c.expectedExit, bindings.GetMiscKey(MISC_EXIT));
        }
    }
}

TEST(InputBindings, PadValuesKeepTheirLow16BitsAndGoToThePadMapsOnly) {
    const json::Document root = Parse("{\"P1\": {\"Controls\": " +
                                      ControlObject(11, 11, 12, 12, 65536 + 0x1000, 9, 10, 0x8000) +
                                      ", \"Shared\": {\"Exit\": 32, \"Pause\": 16, \"Enter\": 4096}}}");
    ControlBindings bindings;
    bindings.Load(0, root, true);
    EXPECT_EQ(0x1000, bindings.GetButton(CONTROL_JUMP));
    EXPECT_EQ(11, bindings.GetButton(CONTROL_UP));
    EXPECT_EQ(12, bindings.GetButton(CONTROL_RIGHT));
    EXPECT_EQ(0x8000, bindings.GetButton(CONTROL_SKILL));
    EXPECT_EQ(16, bindings.GetMiscButton(MISC_PAUSE));
    EXPECT_TRUE(bindings.keys.empty());
    EXPECT_TRUE(bindings.miscKeys.empty());
}

TEST(InputBindings, AMissingOrNonIntegerEntryStaysUnboundAndIsReportedWithTheFile) {
    const json::Document root = Parse(
        "{\"P1\": {\"Controls\": {\"Up\": 1, \"Down\": \"S\", \"Left\": 3.5, \"Right\": 4, \"Jump\": 5, "
        "\"Push\": 6, \"Pull\": 7}, \"Shared\": {\"Exit\": 27, \"Enter\": true}}}");
    ControlBindings bindings;
    testing::internal::CaptureStderr();
    bindings.Load(0, root, false, "Resources/Controls/Keyboard.json");
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(1, bindings.GetKey(CONTROL_UP));
    EXPECT_EQ(4, bindings.GetKey(CONTROL_RIGHT));
    for (CONTROL unbound : {CONTROL_DOWN, CONTROL_LEFT, CONTROL_SKILL}) EXPECT_EQ(0u, bindings.keys.count(unbound));
    for (MISCKEYS unbound : {MISC_PAUSE, MISC_ENTER}) EXPECT_EQ(0u, bindings.miscKeys.count(unbound));
    for (const char* word : {"\"Down\" is a string", "\"Left\" is a", "no \"Skill\"", "no \"Pause\"", "\"Enter\""}) {
        EXPECT_NE(std::string::npos, report.find(word)) << word << " in:\n" << report;
    }
    EXPECT_NE(std::string::npos, report.find("Resources/Controls/Keyboard.json: player 1"));
}

TEST(InputBindings, RootsThatAreNotPlayerObjectsBindNothingAndDoNotCrash) {
    for (const char* text : {"{}", "{\"P1\": 5}", "{\"P1\": {}}", "{\"P1\": {\"Controls\": [1, 2]}}",
                             "{\"P1\": {\"Controls\": {}}, \"P2\": 7}"}) {
        SCOPED_TRACE(text);
        const json::Document root = Parse(text);
        for (int player = 0; player < 4; ++player) {
            ControlBindings bindings;
            bindings.Load(player, root, false);
            EXPECT_TRUE(bindings.keys.empty());
        }
    }
}

TEST(InputBindingsDeathTest, AControlThatWasNeverBoundEndsTheGameWithCode1) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    ControlBindings bindings;
    EXPECT_EXIT(bindings.GetKey(CONTROL_JUMP), testing::ExitedWithCode(1),
                "^Control not found, check if controls created\\.\n$");
    EXPECT_EXIT(bindings.GetMiscButton(MISC_PAUSE), testing::ExitedWithCode(1), "Control not found");
}

// The committed files: four players, two of them side by side on one keyboard, and no key
// doing two jobs.
class InputCommittedControls : public InputTest {};

TEST_F(InputCommittedControls, FourPlayersWithoutClashingKeysAndSharedMenuKeys) {
    StartInput();
    std::vector<int> seen;
    for (int player = 0; player < 4; ++player) {
        SCOPED_TRACE(player);
        const ControlBindings& bindings = input->players[static_cast<size_t>(player)]->bindings;
        ASSERT_EQ(8u, bindings.keys.size());
        ASSERT_EQ(8u, bindings.buttons.size());
        ASSERT_EQ(3u, bindings.miscKeys.size());
        ASSERT_EQ(3u, bindings.miscButtons.size());
        EXPECT_EQ(input->players[0]->bindings.miscKeys, bindings.miscKeys);
        for (const auto& [control, key] : bindings.keys) seen.push_back(key);
    }
    for (const auto& [key, code] : input->players[0]->bindings.miscKeys) seen.push_back(code);
    for (size_t i = 0; i < seen.size(); ++i) {
        for (size_t j = i + 1; j < seen.size(); ++j) EXPECT_NE(seen[i], seen[j]) << "key " << seen[i];
    }
    EXPECT_EQ('W', input->players[0]->bindings.GetKey(CONTROL_UP));
    EXPECT_EQ(platform::vk::kLeft, input->players[1]->bindings.GetKey(CONTROL_LEFT));
    EXPECT_EQ(platform::vk::kEscape, input->players[3]->bindings.GetMiscKey(MISC_EXIT));
}

}  // namespace
