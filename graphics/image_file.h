#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An image read through FreeImage in whatever format it reads, converted to 32 bits: rows
// from the bottom up, each pixel blue, green, red, alpha.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;
};

// False, with the reason in `error`, when the file cannot be typed, read or decoded.
bool ReadImage(const std::string& path, Image& image, std::string& error);
