#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The selection's portraits of the six characters. Each sheet holds two bobbing cells for a
// player still picking (the name between arrows: Left and Right change it) and a still cell
// under a green "READY" ribbon for a confirmed choice.
std::vector<Picture> DrawPortraitPictures();
