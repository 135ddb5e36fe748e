// Draws the game's pixel art from code and writes it as PNG files.
// Usage: make_art OUTPUT_FOLDER   (the committed art lives in Resources/Textures)
#include <cstdio>
#include <filesystem>

#include "tools/make_art/pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    int failures = 0;
    for (const Picture& picture : DrawAllPictures()) {
        if (!picture.canvas.SavePng((folder / picture.file).string())) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
