// Writes the game's sounds into <resources>/sfx/ and lists them in <resources>/sfx/sounds.json,
// in the layout the game itself writes at exit. Usage: make_sounds [resources folder]
#include <cstdio>
#include <filesystem>

#include "core/json_file.h"
#include "sound_set.h"
#include "synth.h"
#include "wav_file.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: make_sounds [resources folder, default Resources]\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argc == 2 ? argv[1] : "Resources") / "sfx";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "%s: cannot create the folder: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }
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
