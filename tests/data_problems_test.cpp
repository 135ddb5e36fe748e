#include <gtest/gtest.h>

#include <string>

#include "core/data_problems.h"

namespace {

std::string Said(void (*body)()) {
    testing::internal::CaptureStdout();
    body();
    return testing::internal::GetCapturedStdout();
}

TEST(DataProblems, AProblemIsToldUnderTheFileBeingRead) {
    struct Case {
        const char* situation;
        void (*body)();
        const char* said;
    };
    const Case cases[] = {
        {"a component reader that does not know its file", [] {
             DataProblems::Reading reading("level.json");
             DataProblems::Report("Sprite: \"animId\" must not be negative; 0 used\n");
         },
         "level.json: Sprite: \"animId\" must not be negative; 0 used\n"},
        {"a loader that names the file itself", [] {
             DataProblems::Reading reading("level.json");
             DataProblems::Report("%s: object \"%s\": the parent name must be a string\n", "level.json", "Ball");
         },
         "level.json: object \"Ball\": the parent name must be a string\n"},
        {"a graph list read while a level is read", [] {
             DataProblems::Reading level("level.json");
             {
                 DataProblems::Reading list("graphs.json");
                 DataProblems::Report("\"Ball\" must name a graph file as a string; skipped\n");
             }
             DataProblems::Report("Body of \"Ball\": must be an object, not array; defaults kept\n");
         },
         "graphs.json: \"Ball\" must name a graph file as a string; skipped\n"
         "level.json: Body of \"Ball\": must be an object, not array; defaults kept\n"},
        {"no file being read", [] { DataProblems::Report("Controller: \"moveForce\" must be a number"); },
         "Controller: \"moveForce\" must be a number\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, Said(c.body)) << c.situation;
}

TEST(DataProblems, OneReadOfAFileTellsOnlyItsFirstFewProblems) {
    struct Case {
        const char* situation;
        void (*body)();
        const char* said;
    };
    const Case cases[] = {
        {"a file with many bad values", [] {
             DataProblems::Reading reading("texture.json");
             for (int i = 0; i < 50; ++i) DataProblems::Report("\"ID\" must be an integer, not number; 0 used\n");
         },
         "texture.json: \"ID\" must be an integer, not number; 0 used\n"
         "texture.json: \"ID\" must be an integer, not number; 0 used\n"
         "texture.json: \"ID\" must be an integer, not number; 0 used\n"
         "texture.json: more problems; only the first 3 are shown\n"},
        {"the next read of the same file starts afresh", [] {
             for (int read = 0; read < 2; ++read) {
                 DataProblems::Reading reading("types.json");
                 for (int i = 0; i < 4; ++i) DataProblems::Report("types.json: type \"T%d\" skipped\n", i);
             }
         },
         "types.json: type \"T0\" skipped\ntypes.json: type \"T1\" skipped\ntypes.json: type \"T2\" skipped\n"
         "types.json: more problems; only the first 3 are shown\n"
         "types.json: type \"T0\" skipped\ntypes.json: type \"T1\" skipped\ntypes.json: type \"T2\" skipped\n"
         "types.json: more problems; only the first 3 are shown\n"},
        {"a file read again from inside its own read counts as the same read", [] {
             DataProblems::Reading characters("characters.json");
             for (int player = 1; player <= 4; ++player) {
                 DataProblems::Reading again("characters.json");
                 DataProblems::Report("Controller: \"jumpForce\" must be a number\n");
             }
         },
         "characters.json: Controller: \"jumpForce\" must be a number\n"
         "characters.json: Controller: \"jumpForce\" must be a number\n"
         "characters.json: Controller: \"jumpForce\" must be a number\n"
         "characters.json: more problems; only the first 3 are shown\n"},
        {"two files read side by side each keep their own count", [] {
             DataProblems::Reading pad("pad.json");
             DataProblems::Reading keys("keys.json");
             for (int i = 0; i < 4; ++i) {
                 DataProblems::Report("pad.json: player %d has no controls\n", i + 1);
                 DataProblems::Report("keys.json: player %d has no controls\n", i + 1);
             }
         },
         "pad.json: player 1 has no controls\nkeys.json: player 1 has no controls\n"
         "pad.json: player 2 has no controls\nkeys.json: player 2 has no controls\n"
         "pad.json: player 3 has no controls\nkeys.json: player 3 has no controls\n"
         "pad.json: more problems; only the first 3 are shown\n"
         "keys.json: more problems; only the first 3 are shown\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.said, Said(c.body)) << c.situation;
}

}  // namespace
