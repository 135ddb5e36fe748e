#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The art of the desert stage (Level_2: dunes, sandstone, cacti) and of the night lagoon
// (Level_3: moonlit sky, drifting isles, floating bubbles).
std::vector<Picture> DrawStagePictures();
