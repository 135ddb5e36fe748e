// Writes the game's sounds into <resources>/sfx/ and lists them in <resources>/sfx/sounds.json,
// in the layout the game itself writes at exit.
#include <cstdio>
#include <filesystem>

#include "core/json_file.h"
#include "sound_set.h"
#include "synth.h"
#include "tools/tool_arguments.h"
#include "wav_file.h"

namespace {
constexpr char kUsage[] =
    "usage: make_sounds [RESOURCES_FOLDER]\n"
    "Writes the game's sounds and their list sounds.json into RESOURCES_FOLDER/sfx/, byte for byte\n"
    "the same on every run. RESOURCES_FOLDER must exist; without it, Resources/ in the current folder.\n";
}  // namespace

int main(int argc, char** argv) {
    if (const auto stop = StopForOptions(argc, argv, "make_sounds", kUsage)) return *stop;
    if (argc > 2) return UsageError(kUsage);
    const std::filesystem::path folder = std::filesystem::path(argc == 2 ? argv[1] : "Resources") / "sfx";
    if (!MakeOutputFolder(folder)) return 1;
    std::vector<SoundEntry> entries;
    for (const SoundRecipe& recipe : GameSounds()) {
        const std::string path = (folder / recipe.fileName).string();
        if (!WriteWav(path, recipe.make(), synth::kRate)) {
            std::fprintf(stderr, "%s: cannot write the sound\n", path.c_str());
            return 1;
        }
        entries.push_back(recipe.entry);
    }
    JsonFile list;
    WriteSoundList(entries, list.Doc());
    const std::string listPath = (folder / "sounds.json").string();
    if (!list.Write(listPath)) return 1;
    std::printf("%zu sounds written to %s\n", entries.size(), folder.string().c_str());
    return 0;
}
