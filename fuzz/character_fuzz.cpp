// The character file as a modder edits it, read when four players enter Level_1.
#include "core/composite_factory.h"
#include "flow/game_state_manager.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::StartEngineOnce();
    const std::string text = fuzz::Text(data, size);
    GameStateManager::ResetLevel();
    fuzz::WriteInput(kCharacterFile, text);
    GameStateManager::Instance().playerCharacters = {{0, LadyRed}, {1, BoxerBlue}, {2, NinjaRed}, {3, NinjaBlue}};
    GameStateManager::LoadLevel("Resources/levelData/level1.json");
    fuzz::RequireUntouchedIfBroken(kCharacterFile, text);
    GameStateManager::ResetLevel();
    return 0;
}
