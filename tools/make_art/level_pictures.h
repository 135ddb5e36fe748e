#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The match's own pieces: the two team doors, the respawn light, the floating platform and
// the scene gate.
std::vector<Picture> DrawLevelPictures();
