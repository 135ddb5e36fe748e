#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The menus' and the character selection's pictures: logo, buttons, marker, panels, the six
// portraits and the blank one, the stage previews and backgrounds, the drifting clouds.
std::vector<Picture> DrawMenuPictures();
