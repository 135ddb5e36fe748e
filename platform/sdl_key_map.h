#pragma once

namespace platform {

// Virtual-key code for an SDL scancode, chosen by the key's physical place on a US keyboard so
// that bindings follow the key, not the letter printed on it. 0 for keys the game has no code for.
int VirtualKeyFromScancode(int scancode);

// Left, right and middle buttons land on 1, 2 and 4; the side buttons on 5 and 6; else 0.
int VirtualKeyFromMouseButton(int sdlButton);

}  // namespace platform
