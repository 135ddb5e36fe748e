#pragma once

#include <string>
#include <vector>

#include "tools/make_art/canvas.h"

struct Picture {
    std::string file;  // below the output folder
    Canvas canvas;
};

// Every picture the game ships, drawn afresh and identically on each run.
std::vector<Picture> DrawAllPictures();
