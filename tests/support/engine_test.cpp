#include "support/engine_test.h"

#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "core/startup.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

void EngineTest::SetUp() {
    ResetEngine();
    platform::Uninstall();
}

void EngineTest::TearDown() {
    ResetEngine();
    platform::Uninstall();
}

void ResourcesTest::SetUp() {
    EngineTest::SetUp();
    std::random_device random;
    root_ = fs::temp_directory_path() / ("bramble-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(root_);
    fs::copy(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources", fs::copy_options::recursive);
    previous_ = fs::current_path();
    fs::current_path(root_);
}

void ResourcesTest::TearDown() {
    EngineTest::TearDown();
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void ResourcesTest::WriteFile(const std::string& relativePath, const std::string& text) const {
    const fs::path path = root_ / relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ResourcesTest::ReadFile(const std::string& relativePath) const {
    std::ifstream in(root_ / relativePath, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

namespace {
std::set<fs::path> RelativeFiles(const fs::path& root) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root));
    }
    return files;
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
}  // namespace

std::string CompareTrees(const fs::path& expected, const fs::path& actual) {
    const auto want = RelativeFiles(expected);
    const auto have = RelativeFiles(actual);
    for (const auto& file : want) {
        if (!have.count(file)) return "missing: " + file.string();
        if (Slurp(expected / file) != Slurp(actual / file)) return "changed: " + file.string();
    }
    for (const auto& file : have) {
        if (!want.count(file)) return "added: " + file.string();
    }
    return "";
}
