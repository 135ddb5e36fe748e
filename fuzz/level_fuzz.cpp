// A level file as a designer edits it, loaded the way entering a level does: settings (camera,
// gravity, the graph list it names), every object through the factory, then players and attacks.
#include "flow/game_state_manager.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::StartEngineOnce();
    const std::string path = "Resources/levelData/fuzz_level.json";
    const std::string text = fuzz::Text(data, size);
    GameStateManager::ResetLevel();
    fuzz::WriteInput(path, text);
    GameStateManager::LoadLevel(path);
    fuzz::RequireUntouchedIfBroken(path, text);
    GameStateManager::ResetLevel();
    return 0;
}
