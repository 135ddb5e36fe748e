#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 255;
};

// A picture drawn pixel by pixel, (0, 0) at the top-left as an artist sees it.
class Canvas {
public:
    Canvas(int width, int height, Colour background = {0, 0, 0, 0});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const;
    // Points outside the canvas are dropped, so shapes may run over its edge.
    void Set(int x, int y, Colour colour);
    void FillRect(int x, int y, int width, int height, Colour colour);
    void FillCircle(int centreX, int centreY, int radius, Colour colour);
    void Line(int x0, int y0, int x1, int y1, Colour colour);
    // Copies another canvas in at (x, y), transparent pixels skipped.
    void Paste(const Canvas& other, int x, int y);
    // The picture inside a border of `marginX` columns and `marginY` rows that carry its edge
    // pixels on outwards, so it reaches past its edges without changing what lies inside them.
    Canvas Extended(int marginX, int marginY) const;

    // Writes a 32-bit PNG; false with a line on stderr when it cannot.
    bool SavePng(const std::string& path) const;

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};
