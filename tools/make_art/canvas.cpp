#include "tools/make_art/canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <FreeImage.h>

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), background) {}

Colour Canvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void Canvas::Set(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = colour;
}

void Canvas::FillRect(int x, int y, int width, int height, Colour colour) {
    for (int row = y; row < y + height; ++row) {
        for (int col = x; col < x + width; ++col) Set(col, row, colour);
    }
}

void Canvas::FillCircle(int centreX, int centreY, int radius, Colour colour) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius) Set(centreX + dx, centreY + dy, colour);
        }
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Colour colour) {
    // Bresenham: crisp single-pixel steps, as pixel art wants.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (true) {
        Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Canvas::Paste(const Canvas& other, int x, int y) {
    for (int row = 0; row < other.height_; ++row) {
        for (int col = 0; col < other.width_; ++col) {
            const Colour colour = other.At(col, row);
            if (colour.a != 0) Set(x + col, y + row, colour);
        }
    }
}

Canvas Canvas::Extended(int marginX, int marginY) const {
    Canvas extended(width_ + 2 * marginX, height_ + 2 * marginY);
    for (int y = 0; y < extended.height_; ++y) {
        for (int x = 0; x < extended.width_; ++x) {
            extended.Set(x, y, At(std::clamp(x - marginX, 0, width_ - 1), std::clamp(y - marginY, 0, height_ - 1)));
        }
    }
    return extended;
}

bool Canvas::SavePng(const std::string& path) const {
    FIBITMAP* bitmap = FreeImage_Allocate(width_, height_, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK);
    if (!bitmap) {
        std::fprintf(stderr, "%s: cannot allocate the image\n", path.c_str());
        return false;
    }
    for (int y = 0; y < height_; ++y) {
        // FreeImage keeps the bottom row first.
        BYTE* line = FreeImage_GetScanLine(bitmap, height_ - 1 - y);
        for (int x = 0; x < width_; ++x) {
            const Colour c = At(x, y);
            line[x * 4 + FI_RGBA_RED] = c.r;
            line[x * 4 + FI_RGBA_GREEN] = c.g;
            line[x * 4 + FI_RGBA_BLUE] = c.b;
            line[x * 4 + FI_RGBA_ALPHA] = c.a;
        }
    }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_Z_BEST_COMPRESSION) != 0;
    FreeImage_Unload(bitmap);
    if (!saved) std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
    return saved;
}
