#include "support/engine_test.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include <unistd.h>

#include "core/startup.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {
// The temporary copy this process made and still owns. A death test in the "threadsafe" style
// runs the whole test again in a child process that ends through exit() inside the test body,
// so TearDown never runs there: exit removes the child's copy instead. A forked child (the
// "fast" style) shares its parent's copy and must leave it alone, hence the process id.
struct OwnedCopy {
    fs::path root;
    pid_t owner = 0;
};

OwnedCopy& CurrentCopy() {
    static OwnedCopy copy;
    return copy;
}

void RemoveCopyAtExit() {
    const OwnedCopy& copy = CurrentCopy();
    if (copy.root.empty() || copy.owner != getpid()) return;
    std::error_code ignored;
    fs::remove_all(copy.root, ignored);
}

void OwnCopy(const fs::path& root) {
    // Made before the handler is registered, so it is still alive when the handler runs.
    CurrentCopy();
    static const bool registered = std::atexit(RemoveCopyAtExit) == 0;
    (void)registered;
    CurrentCopy() = {root, getpid()};
}
}  // namespace

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
    OwnCopy(root_);
    fs::copy(BRAMBLE_SOURCE_RESOURCES, root_ / "Resources", fs::copy_options::recursive);
    previous_ = fs::current_path();
    fs::current_path(root_);
}

void ResourcesTest::TearDown() {
    EngineTest::TearDown();
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
    CurrentCopy() = {};
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
