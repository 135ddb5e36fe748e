// Draws the game's pixel art from code and writes it as PNG files.
#include <filesystem>

#include "tools/make_art/pictures.h"
#include "tools/tool_arguments.h"

namespace {
constexpr char kUsage[] =
    "usage: make_art OUTPUT_FOLDER\n"
    "Draws the game's pixel art into OUTPUT_FOLDER as PNG files, byte for byte the same on every\n"
    "run (the committed art lives in Resources/Textures). The folder that holds OUTPUT_FOLDER\n"
    "must exist.\n";
}  // namespace

int main(int argc, char** argv) {
    if (const auto stop = StopForOptions(argc, argv, "make_art", kUsage)) return *stop;
    if (argc != 2) return UsageError(kUsage);
    const std::filesystem::path folder = argv[1];
    if (!MakeOutputFolder(folder)) return 1;
    int failures = 0;
    for (const Picture& picture : DrawAllPictures()) {
        if (!picture.canvas.SavePng((folder / picture.file).string())) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
