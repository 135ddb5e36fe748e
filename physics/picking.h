#pragma once

#include "core/vector2d.h"

class Body;

// The body being dragged with the mouse (null when none) and its shape's position minus the
// pick point. Input clears the pick when the button is released; a destroyed body clears it.
extern Body* PickedBody;
extern Vec2 PickOffset;

void ClearPick();
