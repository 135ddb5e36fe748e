#pragma once

#include "tools/make_art/canvas.h"

// The colours every picture shares, so outlines and team colours match across the game.
const Colour kClear = {0, 0, 0, 0};
const Colour kInk = {34, 28, 40, 255};
const Colour kRed = {214, 60, 56, 255};
const Colour kBlue = {60, 104, 214, 255};
