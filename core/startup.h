#pragma once

// Builds, registers and initialises every system in start-up order, shows the first cleared
// picture and switches to full screen. False when the window or the renderer cannot start.
bool StartUp();

// The program once a platform backend is installed: start-up, then the main loop until the
// game reaches "Quit". Returns the process exit code: -1 when start-up fails, else 0.
int RunGame();

// Deletes every system and puts every engine singleton back to its first state, so that a
// later start in the same process begins afresh.
void ResetEngine();
