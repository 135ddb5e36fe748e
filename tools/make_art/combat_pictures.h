#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The art of the fight: each character's attack in both team colours, the Boxer's strikes,
// the Lady's shields and the Ninja's teleport markers.
std::vector<Picture> DrawCombatPictures();
