// The texture list as an artist edits it: ids, grids and animations, read when the renderer
// starts (the scripted backend, no window).
#include "fuzz/fuzz_support.h"
#include "graphics/texture_manager.h"
#include "platform/platform.h"
#include "platform/scripted_backend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        fuzz::EnterResourcesCopy();
        platform::Install(std::make_unique<platform::ScriptedBackend>(false));
        return true;
    }();
    (void)ready;
    const std::string text = fuzz::Text(data, size);
    const std::string path = TextureManager::GetInstance().fileName;
    fuzz::WriteInput(path, text);
    TextureManager::GetInstance().Load();
    fuzz::RequireUntouchedIfBroken(path, text);
    TextureManager::Destroy();
    return 0;
}
