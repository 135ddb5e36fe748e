#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The six playable characters' in-game sheets, one without and one with the ball each:
// 8 cells of 32 by 32 in a row, idle in cells 0-1, running in 2-5, jumping in 6-7.
std::vector<Picture> DrawCharacterSheets();
