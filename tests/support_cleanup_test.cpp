// Tests that end their process through exit() must not leave their copy of Resources/ behind.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/engine_test.h"

namespace {

namespace fs = std::filesystem;

class ResourcesCopyDeathTest : public ResourcesTest {
protected:
    void SetUp() override {
        // The style that reruns the whole test, SetUp included, in a child process.
        testing::FLAGS_gtest_death_test_style = "threadsafe";
        ResourcesTest::SetUp();
    }
};

TEST_F(ResourcesCopyDeathTest, AChildEndingThroughExitRemovesItsCopy) {
    const fs::path note = fs::temp_directory_path() / ("bramble-cleanup-note-" + std::to_string(getpid()));
    EXPECT_EXIT(
        {
            std::ofstream(fs::temp_directory_path() / ("bramble-cleanup-note-" + std::to_string(getppid())))
                << root_.string();
            std::exit(1);
        },
        testing::ExitedWithCode(1), "");
    std::ifstream in(note);
    const std::string childRoot((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::error_code ignored;
    fs::remove(note, ignored);
    ASSERT_FALSE(childRoot.empty());
    EXPECT_NE(root_.string(), childRoot) << "the child made a copy of its own";
    EXPECT_FALSE(fs::exists(childRoot)) << childRoot;
    EXPECT_TRUE(fs::exists(root_)) << "the parent's copy stays until its own TearDown";
}

}  // namespace
