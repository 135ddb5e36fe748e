// A control file as a player edits it, bound for all four players from the keyboard and from the
// pad side. A control left unbound ends the game only when it is asked for (by design), which
// this target never does: it exercises the reading alone.
#include "core/json_file.h"
#include "fuzz/fuzz_support.h"
#include "input/control_bindings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnterResourcesCopy();
    const std::string text = fuzz::Text(data, size);
    for (const char* file : {kKeyboardControlFile, kPadControlFile}) {
        fuzz::WriteInput(file, text);
        JsonFile reader;
        reader.Read(file, IfMissing::kRefuse);
        const bool pad = file == kPadControlFile;
        for (int player = 0; player < 4; ++player) {
            ControlBindings bindings;
            bindings.Load(player, reader.Doc(), pad, file);
        }
        fuzz::RequireUntouchedIfBroken(file, text);
    }
    return 0;
}
