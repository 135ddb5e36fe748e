#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "audio/sound_system.h"
#include "core/frame_rate_controller.h"
#include "core/json_file.h"
#include "core/message_prototypes.h"
#include "core/startup.h"
#include "flow/game_state_manager.h"
#include "graphics/texture_manager.h"
#include "input/mouse_position.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

namespace fs = std::filesystem;

namespace fuzz {
namespace {

fs::path& ScratchRoot() {
    static fs::path root;
    return root;
}

void RemoveScratch() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(ScratchRoot(), ignored);
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

void EnterResourcesCopy() {
    if (!ScratchRoot().empty()) return;
    std::random_device random;
    ScratchRoot() = fs::temp_directory_path() / ("bramble-fuzz-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(ScratchRoot());
    fs::copy(BRAMBLE_SOURCE_RESOURCES, ScratchRoot() / "Resources", fs::copy_options::recursive);
    fs::current_path(ScratchRoot());
    std::atexit(RemoveScratch);
}

namespace {

platform::ScriptedBackend* StartOnce(bool withGl) {
    static platform::ScriptedBackend* backend = nullptr;
    if (backend) return backend;
    EnterResourcesCopy();
    auto owned = std::make_unique<platform::ScriptedBackend>(withGl);
    backend = owned.get();
    platform::Install(std::move(owned));
    if (!StartUp()) {
        std::fprintf(stderr, "fuzz: the engine does not start on the scripted backend\n");
        std::abort();
    }
    // As the game does at its end: the systems go before the static objects they point into.
    // The singletons it resets that are made on first use are made now, so that they outlive
    // this handler (static objects are destroyed in the reverse order of their making).
    GameStateManager::Instance();
    SoundSystem::GetInstance();
    TextureManager::GetInstance();
    FrameRateController::GetInstance();
    MessagePrototypes::GetInstance();
    MousePosition();
    std::atexit(ResetEngine);
    return backend;
}

}  // namespace

void StartEngineOnce() { StartOnce(false); }

platform::ScriptedBackend& StartGameOnce() { return *StartOnce(true); }

std::string Text(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

void WriteInput(const std::string& relativePath, const std::string& text) {
    fs::create_directories(fs::path(relativePath).parent_path());
    std::ofstream(relativePath, std::ios::binary | std::ios::trunc) << text;
}

void RequireUntouchedIfBroken(const std::string& path, const std::string& text) {
    // An empty file reads as an empty object, as a missing one does.
    JsonFile probe;
    if (text.empty() || probe.Parse(text, path)) return;
    if (ReadWhole(path) != text) {
        std::fprintf(stderr, "fuzz: %s did not parse and was rewritten anyway\n", path.c_str());
        std::abort();
    }
}

}  // namespace fuzz
