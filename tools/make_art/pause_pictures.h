#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The pause overlay: one sheet of four cells, each the whole screen at a quarter of its size,
// dimmed, with the "Paused" panel and its three choices; cell n shows choice n picked.
std::vector<Picture> DrawPausePictures();
