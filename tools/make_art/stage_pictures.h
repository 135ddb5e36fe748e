#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The art of the desert stage (Level_2: dunes, sandstone, cacti) and of the night lagoon
// (Level_3: moonlit sky, drifting isles, floating bubbles).
std::vector<Picture> DrawStagePictures();

// A stage's background as it lies behind the stage: the picture spans the three screens (3840
// by 720 units) and carries its edges on 120 units past the outer screens and 40 above and
// below them. A shake started at intensity I (12 at most in our graphs) takes the view at most
// 1.5 I sideways and I up or down past the screens; the margin to the side also leaves room
// for hits that restart a running shake, which lets it wander further sideways. The level files
// size the "Background" to match: 4080 by 800.
Canvas BehindTheStage(const Canvas& picture);
