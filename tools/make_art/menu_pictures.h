#pragma once

#include <vector>

#include "tools/make_art/pictures.h"

// The menus' and the character selection's pictures: logo, buttons, marker, panels, the six
// blank portrait, the stage previews and backgrounds, the drifting clouds.
std::vector<Picture> DrawMenuPictures();

// A framed panel with a lighter top edge: buttons, boxes and pages share the one look.
Canvas Panel(int width, int height, Colour fill);
