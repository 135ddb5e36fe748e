#pragma once

#include <string>

#include "tools/make_art/canvas.h"

// Words drawn into the art in a 5 x 7 pixel alphabet of capitals (and the arrows < and >), for
// pictures that must say something wherever the game's own text cannot reach.

// The width `text` takes at `scale` pixels per glyph pixel.
int PixelTextWidth(const std::string& text, int scale);

// Writes `text` centred on `centreX` with its top at `top`; a space or a letter the alphabet
// lacks leaves a gap.
void WritePixelText(Canvas& canvas, const std::string& text, int centreX, int top, int scale, Colour ink);
