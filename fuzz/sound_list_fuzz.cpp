// The sound list as a modder edits it, read when the sound system starts on the scripted sound
// device, and written back only when every entry was understood.
#include "audio/sound_system.h"
#include "fuzz/fuzz_support.h"
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
    fuzz::WriteInput(SoundSystem::kListPath, text);
    SoundSystem::GetInstance();
    fuzz::RequireUntouchedIfBroken(SoundSystem::kListPath, text);
    SoundSystem::Shutdown();
    fuzz::RequireUntouchedIfBroken(SoundSystem::kListPath, text);
    return 0;
}
