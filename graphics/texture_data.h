#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graphics/texture_atlas.h"

// One animation of a sprite sheet: the cells from startFrm to endFrm, each shown for
// frmTimer drawn frames. Cells count row by row from the top-left cell 0.
struct AnimData {
    unsigned startFrm = 0;
    unsigned endFrm = 0;
    unsigned frmTimer = 0;
};

// One loaded image and its sheet grid.
struct TextureData {
    std::string path;
    int rows = 1;
    int cols = 1;
    unsigned texture = 0;  // GL name of its atlas page; 0 when there is no GL context
    AtlasRect atlas;       // where the image lies in that page
    float u = 1;           // 1 / cols, or the horizontal repeat count of a tiled image
    float v = 1;           // 1 / rows, or the vertical repeat count
    std::vector<std::unique_ptr<AnimData>> animations;  // entries may be empty
};
